// html_test.cpp: the page's markup writer's elements, as a browser would read their markup.
#include "html.h"

#include <gtest/gtest.h>

#include <string>

namespace pebblix::html {
namespace {

std::string MarkupOf(const Element& element, std::string* rules = nullptr) {
    std::string sheet;
    return element.Markup(rules ? *rules : sheet);
}

TEST(HtmlElement, EscapesTextAndAttributes) {
    Element div("div");
    div.Set("aria-label", "a<b & \"c\">").Text("a<b & \"c\">");
    EXPECT_EQ(MarkupOf(div),
              "<div aria-label=\"a&lt;b &amp; &quot;c&quot;&gt;\">a&lt;b &amp; \"c\"&gt;</div>");
}

TEST(HtmlElement, AttributesKeepTheirFirstPlace) {
    Element cell("div");
    cell.Set("id", "Label2_3").Set("aria-label", "one").Set("hidden").Set("aria-label", "two");
    EXPECT_EQ(MarkupOf(cell), "<div id=\"Label2_3\" aria-label=\"two\" hidden></div>");
    cell.Unset("hidden").Unset("absent");
    EXPECT_EQ(MarkupOf(cell), "<div id=\"Label2_3\" aria-label=\"two\"></div>");
}

TEST(HtmlElement, StylesGoToRulesByIdInDocumentOrder) {
    Element client("main");
    client.Set("id", "Client").Style("width", "10px");
    Element& frame = client.Append("fieldset");
    frame.Set("id", "Frame2").Style("top", "1px").Style("left", "2px").Style("top", "3px");
    frame.Append("legend").Text("Колко"); // unstyled: no rule
    Element& option = frame.Append("input");
    option.Set("id", "Option1_0").Set("type", "radio").Style("color", "red").Style("color", "");
    Element& caption = frame.Append("label");
    caption.Set("for", "Option1_0").Text("3").Style("left", "0px");
    std::string rules;
    EXPECT_EQ(MarkupOf(client, &rules),
              "<main id=\"Client\"><fieldset id=\"Frame2\"><legend>Колко</legend>"
              "<input id=\"Option1_0\" type=\"radio\"><label for=\"Option1_0\">3</label>"
              "</fieldset></main>");
    EXPECT_EQ(rules, "#Client { width: 10px; }\n"
                     "#Frame2 { top: 3px; left: 2px; }\n"
                     "label[for=\"Option1_0\"] { left: 0px; }");
}

TEST(HtmlElement, MovesAChildBehindTheOthers) {
    Element client("main");
    const Element& first = client.Append("h1");
    client.Append("div");
    client.MoveToEnd(first);
    EXPECT_EQ(MarkupOf(client), "<main><div></div><h1></h1></main>");
}

} // namespace
} // namespace pebblix::html
