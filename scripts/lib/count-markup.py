#!/usr/bin/env python3
"""Counts, in a catalogue that scripts/catalogue.sh printed, the descriptions
of web pages that still hold a tag or a character reference, and those of
Markdown files that still hold Markdown markup. Prints one line per kind and,
with --show, the lines that count.
    python3 scripts/lib/count-markup.py CATALOGUE [--show]"""
import re
import sys

TAG = re.compile(r'<[A-Za-z/!?]')
REFERENCE = re.compile(r'&(#[0-9]+|#[xX][0-9A-Fa-f]+|[A-Za-z][A-Za-z0-9]*);')
MARKDOWN = [
    re.compile(r'^#{1,6}(\s|$)'),                # an ATX heading's marker
    re.compile(r'^(=+|-{3,})\s*$'),              # a setext underline or a break
    re.compile(r'^(```|~~~)'),                   # a code fence
    re.compile(r'!?\[[^\]]*\]\([^)]*\)'),        # a link or an image
    re.compile(r'\]\[[^\]]*\]'),                 # a reference link
    re.compile(r'^\s*\[[^\]]+\]:\s'),            # a reference definition
    re.compile(r'^>\s'),                         # a blockquote marker
    re.compile(r'(\*\*|__)\S.*?\S?(\*\*|__)'),   # strong emphasis
    re.compile(r'`[^`]+`'),                      # a code span
    TAG, REFERENCE,
]


def blocks(text):
    """(file name, description lines) for each described folder."""
    name, lines = None, []
    for line in text.split('\n'):
        if line.startswith('    ') and name is not None:
            lines.append(line[4:])
            continue
        if name is not None:
            yield name, lines
        name, lines = None, []
        header = re.match(r'^(\S.*?): (.+)$', line)
        if header and not header.group(2).endswith(('no matching file', 'empty description')):
            name = header.group(2)
    if name is not None:
        yield name, lines


def main():
    text = open(sys.argv[1], encoding='utf-8', errors='replace').read()
    show = '--show' in sys.argv
    counts = {'html': [0, 0, 0, 0], 'markdown': [0, 0, 0, 0]}
    for name, lines in blocks(text):
        lower = name.lower()
        if lower.endswith(('.htm', '.html', '.xhtml', '.shtml')):
            kind, patterns = 'html', [TAG, REFERENCE]
        elif lower.endswith(('.md', '.markdown', '.mdown', '.mkd')):
            kind, patterns = 'markdown', MARKDOWN
        else:
            continue
        hits = [l for l in lines if any(p.search(l) for p in patterns)]
        c = counts[kind]
        c[0] += 1
        c[1] += 1 if hits else 0
        c[2] += len(lines)
        c[3] += len(hits)
        if show and hits:
            print(f'{name}:', *('    ' + h for h in hits[:5]), sep='\n')
    for kind, (described, marked, lines, hit_lines) in counts.items():
        print(f'{kind}: {described} descriptions, {marked} with markup left; '
              f'{hit_lines} of {lines} lines hold markup')


main()
