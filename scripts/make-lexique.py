#!/usr/bin/env python3
"""Writes the lexique pages of the bundled course from sample/lexique/termes.txt.

One page per term (its definition, its formula and units, a link to the page
where it is taught and one back to its letter group), the letter-group pages
that list the terms (at most 40 links each: a page has 41 link labels), and the
lexique's table of contents, page 29, linked from the home page.

Page numbers: the course's page index has one slot per row, so every page
number must be at most the row count. The lexique pages therefore fill the
numbers that the other pages leave free, in alphabetical order, and the course
ends up numbered 1..R without a gap. Index is the page number, so the chapter
buttons walk through the lexique alphabetically.

Run it again after editing termes.txt; it replaces the pages it wrote before.
"""
import math
import pathlib
import re
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
PAGES = ROOT / "sample" / "pages"
TERMS = ROOT / "sample" / "lexique" / "termes.txt"
TOC_PAGE = 29
GROUP_FIRST = 31
MAX_GROUP = 36      # links on a group page (41 labels, one for the way back)
WRAP = 86           # characters of a text line (nothing wraps by itself)


def sort_key(text):
    plain = unicodedata.normalize("NFD", text)
    plain = "".join(c for c in plain if unicodedata.category(c) != "Mn")
    return plain.lower()


def slug(text):
    s = re.sub(r"[^a-z0-9]+", "-", sort_key(text)).strip("-")
    return s[:40]


def read_terms():
    terms = []
    current = None
    for raw in TERMS.read_text(encoding="utf-8").splitlines():
        line = raw.rstrip()
        if line.startswith("#"):
            continue
        if line.startswith("@"):
            name, page = line[1:].split("|")
            current = {"name": name.strip(), "page": int(page), "text": "", "f": None, "u": None}
            terms.append(current)
        elif not line.strip():
            continue
        elif line.startswith("f:"):
            current["f"] = line[2:].strip()
        elif line.startswith("u:"):
            current["u"] = line[2:].strip()
        else:
            current["text"] = (current["text"] + " " + line.strip()).strip()
    return terms


def read_pages():
    pages = {}
    for path in PAGES.glob("*.page"):
        if "-lexique" in path.name:
            continue
        header = {}
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.startswith("@@"):
                break
            if ":" in line:
                k, v = line.split(":", 1)
                header[k.strip()] = v.strip()
        pages[int(header["Numeropage"])] = header["titre"]
    return pages


TOKEN = re.compile(r"(_\{[^}]*\}|\^\{[^}]*\})")


def pieces(text):
    """Text runs and index/exponent commands of a text in the mini syntax."""
    out = []
    for part in TOKEN.split(text):
        if not part:
            continue
        if part.startswith("_{"):
            out.append(("IND", part[2:-1]))
        elif part.startswith("^{"):
            out.append(("EXP", part[2:-1]))
        else:
            out.append(("TXT", part))
    return out


def visible(text):
    return sum(len(v) for _, v in pieces(text))


def wrap(text):
    lines, line = [], ""
    for word in text.split(" "):
        candidate = (line + " " + word) if line else word
        if line and visible(candidate) > WRAP:
            lines.append(line)
            line = word
        else:
            line = candidate
    if line:
        lines.append(line)
    return lines


def markup_line(text):
    """One output line: runs and commands, ended by a pilcrow."""
    out = []
    for kind, value in pieces(text):
        out.append(value if kind == "TXT" else "##%s%s" % (kind, value))
    if out[-1].startswith("##"):
        out.append("")
    out[-1] += "\u00b6"
    return out


def page_file(number, name, header, body):
    head = [
        "titre: %s" % header["titre"],
        "Numeropage: %d" % number,
        "Index: %d" % number,
        "precedent: %s" % ("oui" if header.get("precedent") else "non"),
        "suite: %s" % ("oui" if header.get("suite") else "non"),
        "imprimable: oui",
        "moteur: %s" % ("oui" if header.get("moteur") else "non"),
        "debutimp: %d" % number,
        "finimp: %d" % number,
        "sommaire: %d" % header["sommaire"],
        "@@corps",
    ]
    (PAGES / ("%04d-%s.page" % (number, name))).write_text("\n".join(head + body) + "\n", encoding="utf-8")


def title_lines(text, colour="003", size=16):
    return ["##SI%02d" % size, "##BOL1", "##C%s" % colour, text + "\u00b6", "##SI10", "##BOL0", "##C000"]


def main():
    terms = sorted(read_terms(), key=lambda t: sort_key(t["name"]))
    pages = read_pages()
    for t in terms:
        if t["page"] not in pages:
            sys.exit("make-lexique: %s: page %d does not exist" % (t["name"], t["page"]))

    groups = math.ceil(len(terms) / MAX_GROUP)
    size = math.ceil(len(terms) / groups)
    grouped = [terms[i:i + size] for i in range(0, len(terms), size)]
    group_pages = list(range(GROUP_FIRST, GROUP_FIRST + len(grouped)))
    taken = set(pages) | {TOC_PAGE} | set(group_pages)
    if set(pages) & ({TOC_PAGE} | set(group_pages)) or max(group_pages) >= 40:
        sys.exit("make-lexique: the lexique's own page numbers are taken")

    numbers, n = [], 1
    while len(numbers) < len(terms):
        if n not in taken:
            numbers.append(n)
        n += 1
    rows = len(taken) + len(terms)
    assert max(max(numbers), max(taken)) <= rows, "page numbers beyond the row count"
    for t, number in zip(terms, numbers):
        t["number"] = number
    term_numbers = set(numbers)

    for old in PAGES.glob("*-lexique*.page"):
        old.unlink()

    def group_name(group):
        first = sort_key(group[0]["name"])[0].upper()
        last = sort_key(group[-1]["name"])[0].upper()
        return first if first == last else "%s \u2013 %s" % (first, last)

    # Term pages.
    for gi, group in enumerate(grouped):
        for t in group:
            body = ["##DGFOND2", "##TITBARLexique"] + title_lines(t["name"]) + ["##PIY004"]
            for line in wrap(t["text"]):
                body += markup_line(line)
            if t["f"]:
                body += ["##PIY008", "##SI12", "##C002", "##POX040"] + markup_line(t["f"]) + ["##SI10", "##C000"]
            if t["u"]:
                body += ["##PIY002", "##POX040", "##ITA1"] + markup_line(t["u"]) + ["##ITA0"]
            body += ["##PIY012", "##C002", "##POX020",
                     "##LIERTVoir le cours : %s#PA%04d" % (pages[t["page"]], t["page"]), "\u00b6", "##POX020",
                     "##LIERTRetour au lexique (%s)#PA%04d" % (group_name(group), group_pages[gi]), "\u00b6",
                     "##C000"]
            number = t["number"]
            page_file(number, "lexique-" + slug(t["name"]),
                      {"titre": t["name"], "sommaire": group_pages[gi], "moteur": True,
                       "precedent": number - 1 in term_numbers, "suite": number + 1 in term_numbers}, body)

    # Letter-group pages: two columns of links, read down the left column, then
    # down the right one.
    for gi, group in enumerate(grouped):
        body = ["##DGFOND2", "##TITBARLexique", "##ALCE"] + title_lines("Lexique : " + group_name(group))
        body += ["##ALGA", "##PIY008", "##C002"]
        half = math.ceil(len(group) / 2)
        for i in range(half):
            body += ["##POX020", "##LIERT%s#PA%04d" % (group[i]["name"], group[i]["number"])]
            if i + half < len(group):
                body += ["##POX310", "##LIERT%s#PA%04d" % (group[i + half]["name"], group[i + half]["number"])]
            body += ["\u00b6"]
        body += ["##PIY010", "##POX020", "##LIERTRetour au lexique#PA%04d" % TOC_PAGE, "\u00b6", "##C000"]
        page_file(group_pages[gi], "lexique-" + slug(group_name(group)),
                  {"titre": "Lexique : " + group_name(group), "sommaire": TOC_PAGE,
                   "precedent": gi > 0, "suite": gi + 1 < len(grouped)}, body)

    # The lexique's table of contents.
    body = ["##DGFOND2", "##TITBARLexique", "##ALCE"] + title_lines("Lexique des notions du cours")
    body += ["##ALGA", "##PIY008"]
    body += markup_line("Chaque notion du cours a sa fiche : une définition, la relation qui la traduit et")
    body += markup_line("ses unités, puis un lien vers la page du cours où elle est présentée.")
    body += ["##PIY010", "##C002"]
    for gi, group in enumerate(grouped):
        label = "%s : de \u00ab %s \u00bb \u00e0 \u00ab %s \u00bb" % (group_name(group), group[0]["name"], group[-1]["name"])
        body += ["##POX030", "##LIERT%s#PA%04d" % (label, group_pages[gi]), "\u00b6", "##PIY004"]
    body += ["##C000", "##PIY010"] + markup_line("%d notions en tout." % len(terms))
    page_file(TOC_PAGE, "lexique", {"titre": "Lexique", "sommaire": 1}, body)

    print("make-lexique: %d terms, %d groups, %d rows" % (len(terms), len(grouped), rows))


if __name__ == "__main__":
    main()
