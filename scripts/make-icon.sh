#!/usr/bin/env bash
# Draws the application icon: a tallow candle burning above the still water of a mere,
# on a night-blue tile. Written as a Windows icon with the sizes Windows asks for.
# Usage: make-icon.sh output.ico
set -euo pipefail
output=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill '#16324f' -draw 'roundrectangle 8,8 247,247 36,36' \
  -fill '#2e6f95' -draw 'rectangle 8,176 247,206' \
  -fill '#16324f' -draw 'roundrectangle 8,200 247,247 36,36' -draw 'rectangle 8,200 247,220' \
  -stroke '#8fc1e3' -strokewidth 6 -fill none \
  -draw 'bezier 40,190 70,178 100,202 128,190' -draw 'bezier 128,190 156,178 186,202 216,190' \
  -stroke none -fill '#ffd27a' -draw 'ellipse 128,96 34,34 0,360' \
  -fill '#f3e6c4' -draw 'roundrectangle 100,104 156,184 10,10' \
  -fill '#d9c79c' -draw 'rectangle 140,110 156,184' \
  -fill '#3b2a1a' -draw 'rectangle 125,84 131,106' \
  -fill '#ff8c1a' -draw 'ellipse 128,66 13,24 0,360' \
  -fill '#fff2a8' -draw 'ellipse 128,72 6,12 0,360' \
  -depth 8 "$work/tile.png"
convert "$work/tile.png" -define icon:auto-resize=256,48,32,16 "$output"
