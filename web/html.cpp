// html.cpp: a small tree of HTML elements, written out as markup with a style sheet beside it.
#include "html.h"

#include <algorithm>

namespace pebblix::html {

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

template <typename P> auto FindPair(P& pairs, std::string_view name) {
    return std::find_if(pairs.begin(), pairs.end(), [&](const auto& p) { return p.first == name; });
}

void SetPair(Pairs& pairs, std::string_view name, std::string_view value) {
    const auto found = FindPair(pairs, name);
    if (found != pairs.end()) {
        found->second = value;
    } else {
        pairs.emplace_back(name, value);
    }
}

void ErasePair(Pairs& pairs, std::string_view name) {
    std::erase_if(pairs, [&](const auto& p) { return p.first == name; });
}

} // namespace

std::string Escape(std::string_view text, bool attribute) {
    std::string out;
    for (const char c : text) {
        out += c == '&'                ? "&amp;"
               : c == '<'              ? "&lt;"
               : c == '>'              ? "&gt;"
               : c == '"' && attribute ? "&quot;"
                                       : std::string(1, c);
    }
    return out;
}

Element& Element::Set(std::string_view name, std::string_view value) {
    SetPair(attributes_, name, value);
    return *this;
}

Element& Element::Unset(std::string_view name) {
    ErasePair(attributes_, name);
    return *this;
}

Element& Element::Style(std::string_view property, std::string_view value) {
    value.empty() ? ErasePair(style_, property) : SetPair(style_, property, value);
    return *this;
}

Element& Element::Text(std::string_view text) {
    text_ = text;
    return *this;
}

Element& Element::Append(std::string_view tag) {
    return *children_.emplace_back(std::make_unique<Element>(tag));
}

void Element::MoveToEnd(const Element& child) {
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [&](const auto& c) { return c.get() == &child; });
    if (found != children_.end()) {
        std::rotate(found, found + 1, children_.end());
    }
}

std::string_view Element::Attribute(std::string_view name) const {
    const auto found = FindPair(attributes_, name);
    return found != attributes_.end() ? std::string_view(found->second) : std::string_view();
}

std::string Element::Markup(std::string& rules) const {
    if (!style_.empty()) {
        const std::string_view id = Attribute("id");
        std::string rule = id.empty() ? "label[for=\"" + std::string(Attribute("for")) + "\"]"
                                      : '#' + std::string(id);
        rule += " {";
        for (const auto& [property, value] : style_) {
            rule += ' ' + property + ": " + value + ';';
        }
        rule += " }";
        rules += rules.empty() ? rule : '\n' + rule;
    }
    std::string out = '<' + tag_;
    for (const auto& [name, value] : attributes_) {
        out += ' ' + name;
        if (!value.empty()) {
            out += "=\"" + Escape(value, true) + '"';
        }
    }
    out += '>';
    if (tag_ == "input") {
        return out; // a void element: no content, no end tag
    }
    out += Escape(text_);
    for (const auto& child : children_) {
        out += child->Markup(rules);
    }
    return out + "</" + tag_ + '>';
}

} // namespace pebblix::html
