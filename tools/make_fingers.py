#!/usr/bin/env python3
"""Writes data/dist/fingers.txt (Windows-1252): for every keyboard layout the keys of each of
the eight fingers.

A capital or a shifted sign is typed with the Shift of the other hand, so it also stands in the
set of the other hand's little finger; an accented vowel stands in the sets of the fingers that
type its dead key and its vowel. The first key of every set is the finger's home key: drills
take it as the finger's representative.
"""
import sys

# Builds the finger table: per layout, what each finger types, with the opposite Shift
# (a capital or a shifted sign also lights the other hand's little finger).
names=["Meñique izquierdo","Anular izquierdo","Medio izquierdo","Índice izquierdo",
       "Índice derecho","Medio derecho","Anular derecho","Meñique derecho"]
def build(plain, shifted, altgr, dead):
    # plain/shifted/altgr: finger -> string; dead: list of (char, fingers)
    sets=[list(plain[i]) for i in range(8)]
    for i in range(8):
        for c in shifted[i]:
            sets[i].append(c)
            other = 7 if i < 4 else 0
            sets[other].append(c)
        sets[i].extend(altgr[i])
    for c, fs in dead:
        for f in fs: sets[f].append(c)
    out=[]
    for s in sets:
        seen=[]
        for c in s:
            if c not in seen: seen.append(c)
        out.append(''.join(seen))
    return out
def vowels(deadfinger, shiftsign):
    # dead key on the right little finger; capital vowels need the left Shift for the vowel
    # (or the right one for a, e, which the left hand types)
    v={'a':0,'e':2,'i':5,'o':6,'u':4}
    d=[]
    for marks in shiftsign:
        low,cap,needshift=marks
        for ch,base in zip(low,'aeiou'):
            fs={deadfinger,v[base]}
            if needshift: fs.add(0)
            d.append((ch,sorted(fs)))
        for ch,base in zip(cap,'aeiou'):
            fs={deadfinger,v[base],0 if v[base]>=4 else 7}
            if needshift: fs.add(0)
            d.append((ch,sorted(fs)))
    return d
lay=[]
# Spain
plain=["aqz1º<","swx2","edc3","frtgvb45","jyuhnm67","ki,8","lo.9","ñp-0'¡`+´ç"]
caps=["AQZ!ª>","SWX\"","EDC·","FRTGVB$%","JYUHNM&/","KI;(","LO:)","ÑP_=?¿^*¨Ç"]
altgr=["\\|","@","#€","~","¬","","","[]{}"]
dead=vowels(7,[("áéíóú","ÁÉÍÓÚ",False),("àèìòù","ÀÈÌÒÙ",False),("äëïöü","ÄËÏÖÜ",True),("âêîôû","ÂÊÎÔÛ",True)])
lay.append(("Español (España)",build(plain,caps,altgr,dead)))
# Latin America
plain=["aqz1|<","swx2","edc3","frtgvb45","jyuhnm67","ki,8","lo.9","ñp-0'¿´+{}"]
caps=["AQZ!°>","SWX\"","EDC#","FRTGVB$%","JYUHNM&/","KI;(","LO:)","ÑP_=?¡¨*[]"]
altgr=["@¬","","","","","","","\\~^`"]
dead=vowels(7,[("áéíóú","ÁÉÍÓÚ",False),("äëïöü","ÄËÏÖÜ",True)])
lay.append(("Español (Latinoamérica)",build(plain,caps,altgr,dead)))
# US English
plain=["aqz1`","swx2","edc3","frtgvb45","jyuhnm67","ki,8","lo.9",";p/0-='[]\\"]
caps=["AQZ!~","SWX@","EDC#","FRTGVB$%","JYUHNM^&","KI<*","LO>(",":P?)_+\"{}|"]
lay.append(("Inglés (EE. UU.)",build(plain,caps,[""]*8,[])))
out = sys.argv[1] if len(sys.argv) > 1 else 'data/dist/fingers.txt'
with open(out, 'w', encoding='cp1252', newline='\n') as f:
    for name,sets in lay:
        f.write(name+"\n")
        for i,s in enumerate(sets):
            f.write(f"{i}:{names[i]}:{s}\n")
