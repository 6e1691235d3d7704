#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Regenerates the PNG icons from norvane.svg. Run after editing the SVG and commit the results.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 256; do
    out="norvane-$size.png"
    if command -v rsvg-convert >/dev/null 2>&1; then
        rsvg-convert -w "$size" -h "$size" norvane.svg -o "$out"
    else
        convert -background none -density 384 norvane.svg -resize "${size}x$size" "$out"
    fi
    # Drop timestamps and other metadata, so that an unchanged SVG renders to unchanged files.
    if command -v convert >/dev/null 2>&1; then
        convert "$out" -strip "PNG32:$out"
    fi
done
