// A rich reply's RTF as HTML, for the programs that take formatted text only
// as HTML (browsers and the editors built on them).
#pragma once

#include <string>
#include <string_view>

namespace tq::library {

// The HTML of a reply's RTF (UTF-8, as the record holds it): a fragment of
// block elements, no page around it. Each paragraph is a <div> (an empty one
// holds a <br>), with its alignment as text-align; paragraphs of a bulleted
// or numbered list are the <li> of a <ul> or <ol>; \line is <br>. Bold,
// italic, underline, strike-through, superscript and subscript are <b>,
// <i>, <u>, <s>, <sup>, <sub>; font face, size (in points), text and
// highlight colours are the inline style of a <span>; HYPERLINK fields are
// <a href>; tabs keep their width in a white-space:pre span; repeated
// spaces survive as &nbsp;. Characters come as RtfPlainText reads them, and
// \'hh as the code page of the font's \fcharset where it names one. What
// HTML here cannot say (pictures, tables' layout, unknown control words) is
// left out; the text of a paragraph is never lost, and no RTF reaches the
// output. Trailing empty paragraphs (a rich edit ends with one) are dropped.
// Damaged RTF gives what could be read: the output is always well-formed
// and valid UTF-8.
std::string RtfHtml(std::string_view rtf);

// The clipboard's "HTML Format" for `fragment`: the header with the byte
// offsets of the HTML and of the fragment in it, then a page that holds the
// fragment between the <!--StartFragment--> and <!--EndFragment--> marks.
std::string ClipboardHtml(std::string_view fragment);

}  // namespace tq::library
