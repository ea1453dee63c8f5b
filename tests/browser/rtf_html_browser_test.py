#!/usr/bin/env python3
"""A real browser reads the HTML of rich replies as the user sees it. Each
RTF fixture becomes a reply of a new library (quillet add), its HTML comes
from `quillet show --html`, and headless Chromium renders all of them in one
page whose script writes what the browser computed for every piece of text
(weight, slant, lines, colours, size, font, raise, link, list) into the page;
Chromium's --dump-dom hands that back. The checks are on those computed
styles, not on the HTML's text."""

import argparse
import html
import json
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync"]

# What the browser reports for each text node: decorations, backgrounds and
# raises are not inherited in CSS, so they are gathered from the ancestors
# up to the fixture's section.
PAGE_SCRIPT = r"""
const facts = {};
for (const section of document.querySelectorAll('section')) {
  const runs = [];
  const walker = document.createTreeWalker(section, NodeFilter.SHOW_TEXT);
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    const element = node.parentElement;
    const style = getComputedStyle(element);
    const lines = new Set();
    let background = 'none', raise = 'baseline';
    for (let e = element; e && e !== section; e = e.parentElement) {
      const s = getComputedStyle(e);
      for (const line of s.textDecorationLine.split(' ')) if (line !== 'none') lines.add(line);
      if (background === 'none' && s.backgroundColor !== 'rgba(0, 0, 0, 0)') background = s.backgroundColor;
      if (raise === 'baseline' && s.verticalAlign !== 'baseline') raise = s.verticalAlign;
    }
    const link = element.closest('a');
    const item = element.closest('li');
    runs.push({
      text: node.textContent, weight: style.fontWeight, slant: style.fontStyle, lines: [...lines].sort().join(' '),
      color: style.color, background, size: style.fontSize, font: style.fontFamily, raise,
      whiteSpace: style.whiteSpace, href: link ? link.getAttribute('href') : null,
      list: item ? item.parentElement.tagName + ' ' + getComputedStyle(item).display + ' ' +
                   getComputedStyle(item).listStyleType : null,
    });
  }
  facts[section.id] = {text: section.innerText, elements: section.querySelectorAll('*').length, runs};
}
document.getElementById('facts').textContent = JSON.stringify(facts);
"""

PLAIN = {"weight": "400", "slant": "normal", "lines": "", "raise": "baseline", "href": None, "list": None}
ARIAL_10 = {"font": "Arial", "size": "13.3333px"}  # 10pt at 96 dpi

# Per fixture: the text of a text node (as it is, or stripped) -> the facts it must have.
EXPECTED = {
    "styles": {
        "plain": {**PLAIN, **ARIAL_10, "color": "rgb(0, 0, 0)", "background": "none"},
        "bold": {"weight": "700", "slant": "normal", "lines": "", **ARIAL_10},
        "italic": {"weight": "400", "slant": "italic", "lines": ""},
        "under": {"lines": "underline", "weight": "400"},
        "struck": {"lines": "line-through"},
        "red": {"color": "rgb(255, 0, 0)", "background": "none"},
        "marked": {"background": "rgb(255, 255, 0)", "color": "rgb(0, 0, 0)"},
        "big": {"font": "\"Courier New\"", "size": "18px"},  # 13.5pt
        "sup": {"raise": "super"},
        "sub": {"raise": "sub"},
        "all": {"weight": "700", "slant": "italic", "lines": "underline"},
        "none": {**PLAIN, "font": "Arial"},
    },
    "lists": {
        "Fruit:": {"list": None},
        "apple": {"list": "UL list-item disc"},
        "pear": {"list": "UL list-item disc"},
        "one": {"list": "OL list-item decimal"},
        "two": {"list": "OL list-item decimal"},
        "word": {"list": "UL list-item disc"},
        "after": {"list": None},
    },
    "links": {
        "See": {"href": None},
        "our site": {"href": "https://example.com/a?b=1&c=2", "lines": "underline", "color": "rgb(0, 0, 255)"},
        "back up": {"href": "#top"},
        "click": {"href": None, "lines": "underline"},
    },
    "characters": {
        "Да": {"font": "\"Arial Cyr\""},
        "Αθ": {"font": "\"Arial Greek\""},
        "\t": {"whiteSpace": "pre"},  # the tab keeps its width
    },
    "damaged": {
        "b": {"weight": "700", "slant": "normal"},
        "c": {"weight": "700", "slant": "italic"},
        "cut": {"weight": "700"},
    },
}
# What the reader sees of each fixture, all of it.
EXPECTED_TEXT = {
    "characters": "café Да Αθ Ж😀 a\tb \u00a0<tag> & {x}\nnext—end",
    "damaged": "abcdzzcut",
    "links": "See our site or go back up, but never click.",
}


def run(command, what):
    result = subprocess.run(command, capture_output=True, timeout=120)
    if result.returncode != 0:
        raise SystemExit(f"{what} failed ({result.returncode}): {result.stderr.decode('utf-8', 'replace')}")
    return result.stdout


def fixture_html(quillet, fixture, work):
    """The HTML quillet gives the fixture's RTF as a reply."""
    library = work / (fixture.stem + ".qdk")
    library.unlink(missing_ok=True)
    run([quillet, "create", str(library)], "quillet create")
    run([quillet, "add", str(library), "--description", fixture.stem, "--text-file", str(fixture)], "quillet add")
    return run([quillet, "show", str(library), "0", "--html"], "quillet show --html").decode("utf-8").rstrip("\n")


def browser_facts(chromium, page):
    """Renders the page in a fresh headless Chromium; returns what its
    script wrote."""
    with tempfile.TemporaryDirectory(prefix="tq-chromium-") as profile:
        dom = run([chromium, *CHROMIUM_FLAGS, f"--user-data-dir={profile}", "--dump-dom", page.as_uri()],
                  "chromium --dump-dom").decode("utf-8")
    start = dom.find('<pre id="facts">')
    end = dom.find("</pre>", start)
    if start < 0 or end < 0:
        raise SystemExit(f"the page's script wrote nothing:\n{dom[:2000]}")
    return json.loads(html.unescape(dom[start + len('<pre id="facts">'):end]))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--quillet", required=True)
    parser.add_argument("--chromium", required=True)
    parser.add_argument("--fixtures", required=True, type=Path)
    parser.add_argument("--work", required=True, type=Path)
    args = parser.parse_args()
    chromium = shutil.which(args.chromium) if args.chromium and "NOTFOUND" not in args.chromium else None
    if not chromium:
        print("chromium was not found: scripts/install-deps.sh installs Debian's chromium", file=sys.stderr)
        return 1
    args.work.mkdir(parents=True, exist_ok=True)
    sections = []
    for fixture in sorted(args.fixtures.glob("*.rtf")):
        sections.append(f'<section id="{fixture.stem}">{fixture_html(args.quillet, fixture, args.work)}</section>')
    page = args.work / "fixtures.html"
    page.write_text('<!DOCTYPE html><html><head><meta charset="utf-8"><style>body{color:#000}</style></head><body>'
                    + "".join(sections) + f'<pre id="facts"></pre><script>{PAGE_SCRIPT}</script></body></html>',
                    encoding="utf-8")
    facts = browser_facts(chromium, page)

    failures = []
    checked = 0
    missing = set(EXPECTED) - set(facts)
    if missing:
        failures.append(f"fixtures not rendered: {sorted(missing)}")
    for name, expectations in EXPECTED.items():
        runs = facts.get(name, {}).get("runs", [])
        for text, wanted in expectations.items():
            found = [r for r in runs if r["text"] == text or r["text"].strip() == text]
            if not found:
                failures.append(f"{name}: no text {text!r} in {[r['text'] for r in runs]}")
                continue
            for key, value in wanted.items():
                checked += 1
                if found[0][key] != value:
                    failures.append(f"{name}: {text!r}: {key} is {found[0][key]!r}, not {value!r}")
    for name, text in EXPECTED_TEXT.items():
        checked += 1
        seen = facts.get(name, {}).get("text")
        if seen != text:
            failures.append(f"{name}: the page reads {seen!r}, not {text!r}")
    for name, fact in facts.items():
        # No RTF reaches the reader: no control word, no brace of markup.
        checked += 1
        if "\\" in fact["text"] or "{\\" in fact["text"]:
            failures.append(f"{name}: RTF in the text: {fact['text']!r}")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(facts)} fixtures rendered, {checked} facts checked, {len(failures)} wrong")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
