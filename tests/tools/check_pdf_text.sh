#!/bin/sh
# Passes when FILE is a PDF document whose extracted text (poppler's
# pdftotext) holds TEXT.
#   check_pdf_text.sh FILE TEXT
set -e
[ "$(head -c 5 "$1")" = "%PDF-" ] || { echo "$1: not a PDF file" >&2; exit 1; }
pdftotext -enc UTF-8 "$1" - | grep -qF "$2" || { echo "$1: no \"$2\" in its text" >&2; exit 1; }
