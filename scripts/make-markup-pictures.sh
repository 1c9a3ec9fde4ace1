#!/usr/bin/env bash
# Draws the pictures of docs/MARKUP.md, one per family of markup commands, with
# `vorlane-tool render-markup --png` (the renderer of the course window). Run it
# after changing a command's drawing and look at docs/markup/*.png; the pictures
# are committed. Needs a build (build/bin/vorlane-tool).
set -euo pipefail
cd "$(dirname "$0")/.."
tool=${VORLANE_TOOL:-build/bin/vorlane-tool}
out=docs/markup
mkdir -p "$out"

# draw NAME WIDTH: the body on standard input, one command or run a line (LF in
# this script, CR LF for the renderer).
draw() {
  sed 's/$/\r/' | "$tool" render-markup --width "$2" --data sample/data --png "$out/$1.png"
  echo "make-markup-pictures: wrote $out/$1.png"
}

draw style 560 <<'BODY'
##SI12
Normal ¶
##BOL1
Gras (BOL1) ¶
##BOL0
##ITA1
Italique (ITA1) ¶
##ITA0
##UND1
Souligné (UND1)
##UND0
 ¶
##C012
Couleur 12 (C012) ¶
##C000
##RELIEF108
Ombre (RELIEF108) ¶
##RELIEF000
##ALCE
Centré (ALCE) ¶
##ALDR
À droite (ALDR) ¶
##ALGA
2 H
##IND2
 + O
##IND2
 
##FLECHE
 2 H
##IND2
O (FLECHE) ; a
##POINT
b (POINT) ¶
BODY

draw formules 560 <<'BODY'
##SI12
##PIY010
E = m c
##EXP2
 (EXP) ; v
##IND0
 (IND) ; 
##POLY14
C (POLY14) ¶
##PIY020
##FRACΔv#Δt
 (FRAC) ; 
##SQD
g / L
##SQF1
 (SQD, SQF1) ¶
##PIY020
##VE1F
 (VE1) ; 
##VA1x
 (VA1) ; 
##CHAPEAU
A (CHAPEAU) ; 
##ARCD
AB
##ARCF
 (ARCD, ARCF) ¶
##PIY020
u = 
##NUMERATEUR
q
##IND0
##DENOMINATEUR
C
##FINFRAC
 (NUMERATEUR, DENOMINATEUR, FINFRAC) ¶
##PIY020
BODY

draw tableaux 560 <<'BODY'
##SI10
##TAB01020001
##BOL1
Grandeur¶
##BOL0
##TAB20040002
##BOL1
Unité¶
##BOL0
##FINTAC01
##TAB01020001
tension¶
##TAB20040002
V¶
##FINTAB
##TAB01020001
intensité¶
##TAB20040002
A¶
##FINTAB
##PIY010
##TCH12
##TCB12
##TAB01020001
 ¶
##TAB20040002
croisé (FINTAX)¶
##FINTAX
##TCH09
##TCB09
##PIY010
##TAB01020001
dégradé (FINTAC03)¶
##TAB20040002
 ¶
##FINTAC03
BODY

draw liaisons 560 <<'BODY'
##SI14
##PIY010
##POX020
H
##PIX002
##K001
##DECAHADEF
C
##PIX002
##K001
##DECAHADEF
H (K001, DECAHADEF) ¶
##PIY010
##POX020
##K003
##K004
 (K003 puis K004) ¶
##PIY010
##POX020
##LEWIS004000
##LEWIS010000
O
##LEWIS004019
##LEWIS010019
 (LEWIS) ¶
##PIY010
##POX020
##C012
##RECT040015
##C000
 (RECT040015) ¶
##PIY010
BODY

draw images 560 <<'BODY'
##SI10
##ALCE
##IHDEFonde.png200080
(IHDEFonde.png200080, centré) ¶
##ALGA
##IJA05
 (IJA05) ; 
##IJA06
 (IJA06) ¶
BODY

# The two layout traps: after a centred picture the next run starts at the
# picture's left edge; a fraction overlaps the lines around it.
draw piege-image 500 <<'BODY'
##ALCE
##IHDEFonde.png200060
##ALGA
Titre sans ##POX000 : décalé¶
##ALCE
##IHDEFonde.png200060
##ALGA
##POX000
Titre après ##POX000 : à sa place¶
BODY

draw piege-fraction 500 <<'BODY'
Ligne au-dessus¶
v = 
##FRACΔx#Δt
 (collée)¶
Ligne au-dessous¶
##PIY015
Ligne au-dessus¶
##PIY010
v = 
##FRACΔx#Δt
 (##PIY010 avant et après)¶
##PIY010
Ligne au-dessous¶
BODY
