// html.h: a small tree of HTML elements, written out as markup with a style sheet beside it.
//
// The page's markup is written at build time (markupfrontend.h). Its Content-Security-Policy allows
// no style attributes, so an element's style goes into a rule of the style sheet, found by the
// element's id. Attributes and style properties keep the order in which they were first set, and
// setting one again changes its value in place, as a browser's DOM does.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pebblix::html {

class Element {
public:
    explicit Element(std::string_view tag) : tag_(tag) {}

    // An attribute; an empty value is written as the attribute's bare name ("hidden").
    Element& Set(std::string_view name, std::string_view value = {});
    Element& Unset(std::string_view name);
    // A style property; an empty value removes it.
    Element& Style(std::string_view property, std::string_view value);
    // The style properties set so far, to give another element the same.
    const std::vector<std::pair<std::string, std::string>>& Styles() const { return style_; }
    // The element's text, before its children.
    Element& Text(std::string_view text);
    // A new child, last among the children.
    Element& Append(std::string_view tag);
    // Moves `child`, one of this element's children, behind the others.
    void MoveToEnd(const Element& child);

    std::string_view Attribute(std::string_view name) const;
    const std::vector<std::unique_ptr<Element>>& Children() const { return children_; }

    // The element as markup, appending the rules for it and everything in it to `rules`, one a
    // line: "#id { property: value; ... }". A styled element without an id is an option button's
    // caption, found by the button it names ("label[for=...]").
    std::string Markup(std::string& rules) const;

private:
    std::string tag_;
    std::vector<std::pair<std::string, std::string>> attributes_;
    std::vector<std::pair<std::string, std::string>> style_;
    std::string text_;
    std::vector<std::unique_ptr<Element>> children_;
};

// `text` with &, < and > escaped, and " too in an attribute's value.
std::string Escape(std::string_view text, bool attribute = false);

} // namespace pebblix::html
