// markup.cpp: writes the page's markup, made by the page's markup writer (markupfrontend.h), as one
// JSON document, markup.json: {style, markup}, the client area's style sheet and its HTML.
//
// Run once at build time, for the page's assembly (assemble.py), which takes everything else it
// needs of the window from the window's description (window/describe.cpp).
#include "jsontext.h"
#include "markupfrontend.h"

#include <string>

int main() {
    const pebblix::MarkupFrontEnd page;
    std::string style;
    const std::string markup = page.Markup(style);
    return pebblix::PrintJson(
        pebblix::JsonObject().Text("style", style).Text("markup", markup).Close());
}
