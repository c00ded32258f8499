#!/usr/bin/env python3
"""Renders a manual of ruslam00 from its plain-text source into a PDF.

usage: make_manual.py SOURCE.txt OUT.pdf en|ja

The source: "# " starts the title line (the next line is its subtitle),
"## " a heading, "- " a bullet, "1. " a numbered step, a line indented by
four blanks a formula; other lines are paragraphs, which end at an empty
line. Rendered with ReportLab (Debian's python3-reportlab); the Japanese
manual embeds the IPA Gothic font (fonts-ipafont-gothic).
"""
import sys
from xml.sax.saxutils import escape

from reportlab import rl_config
from reportlab.lib.pagesizes import A4
from reportlab.lib.styles import ParagraphStyle
from reportlab.lib.units import mm
from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.platypus import Paragraph, SimpleDocTemplate, Spacer

rl_config.invariant = 1  # no creation date or random id: the same source gives the same file

JAPANESE_FONT = '/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf'


def styles(language):
    if language == 'ja':
        pdfmetrics.registerFont(TTFont('IPAGothic', JAPANESE_FONT))
        body, bold, mono, wrap = 'IPAGothic', 'IPAGothic', 'IPAGothic', 'CJK'
    else:
        body, bold, mono, wrap = 'Helvetica', 'Helvetica-Bold', 'Courier', None
    base = dict(fontName=body, fontSize=10.5, leading=15, spaceAfter=5)
    if wrap:
        base['wordWrap'] = wrap
    return {
        'title': ParagraphStyle('title', **dict(base, fontName=bold, fontSize=20, leading=26, spaceAfter=2)),
        'subtitle': ParagraphStyle('subtitle', **dict(base, fontSize=11, spaceAfter=14)),
        'heading': ParagraphStyle('heading', **dict(base, fontName=bold, fontSize=13, leading=18, spaceBefore=10)),
        'body': ParagraphStyle('body', **base),
        'item': ParagraphStyle('item', **dict(base, leftIndent=14, bulletIndent=3, spaceAfter=3)),
        'formula': ParagraphStyle('formula', **dict(base, fontName=mono, fontSize=9.5, leftIndent=14,
                                                    spaceBefore=3, spaceAfter=8)),
    }


def story(lines, style):
    parts = []
    paragraph = []

    def flush():
        if paragraph:
            parts.append(Paragraph(escape(' '.join(paragraph)), style['body']))
            paragraph.clear()

    after_title = False
    for line in lines:
        text = line.rstrip('\n')
        if after_title:
            parts.append(Paragraph(escape(text), style['subtitle']))
            after_title = False
        elif not text.strip():
            flush()
        elif text.startswith('# '):
            flush()
            parts.append(Paragraph(escape(text[2:]), style['title']))
            after_title = True
        elif text.startswith('## '):
            flush()
            parts.append(Paragraph(escape(text[3:]), style['heading']))
        elif text.startswith('- '):
            flush()
            parts.append(Paragraph(escape(text[2:]), style['item'], bulletText='\u2022'))
        elif text[:1].isdigit() and text[1:3] == '. ':
            flush()
            parts.append(Paragraph(escape(text[3:]), style['item'], bulletText=text[:2]))
        elif text.startswith('    '):
            flush()
            parts.append(Paragraph(escape(text.strip()), style['formula']))
        else:
            paragraph.append(text.strip())
    flush()
    return parts


def main():
    source, out, language = sys.argv[1:4]
    with open(source, encoding='utf-8') as f:
        lines = f.readlines()
    title = lines[0][2:].strip()
    document = SimpleDocTemplate(out, pagesize=A4, leftMargin=22 * mm, rightMargin=22 * mm, topMargin=20 * mm,
                                 bottomMargin=20 * mm, title=title, author='Polynomial Tables project')
    document.build(story(lines, styles(language)) + [Spacer(1, 6)])


if __name__ == '__main__':
    main()
