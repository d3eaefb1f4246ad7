# Regenerates src/pdf417/codeword_patterns.cpp and src/pdf417/text_submodes.cpp
# from the shared symbology tables. Run from the repository root:
#   python3 cmake/generators/generate_pdf417_tables.py ../shared/tables
import sys
pat = {0:[None]*929, 3:[None]*929, 6:[None]*929}
for line in open(sys.argv[1] + '/pdf417_patterns.txt'):
    if line.startswith('#') or not line.strip(): continue
    c, w, h = line.split()
    pat[int(c)][int(w)] = h
out = []
out.append('// Bar-space patterns of the PDF417 symbol characters, one table per cluster')
out.append('// (0, 3, 6), indexed by codeword. Each entry holds modules 2 to 17 of the')
out.append('// 17-module character, most significant bit first, 1 = bar; module 1 is always')
out.append('// a bar and is not stored. Generated from the shared PDF417 pattern table.')
out.append('#include "pdf417/codeword_patterns.h"')
out.append('')
out.append('namespace barsize::pdf417 {')
out.append('')
out.append('const uint16_t kCodewordPatterns[3][929] = {')
for c in (0,3,6):
    out.append('    {  // cluster %d' % c)
    vals = pat[c]
    for i in range(0, 929, 8):
        out.append('        ' + ', '.join(vals[i:i+8]) + ',')
    out.append('    },')
out.append('};')
out.append('')
out.append('}  // namespace barsize::pdf417')
open('src/pdf417/codeword_patterns.cpp','w').write('\n'.join(out)+'\n')

# text sub-modes
sub = {'alpha':0,'lower':1,'mixed':2,'punct':3}
vals = [[-1]*128 for _ in range(4)]
for line in open(sys.argv[1] + '/pdf417_text_submodes.txt'):
    if line.startswith('#') or not line.strip(): continue
    s, v, b, name = line.split()
    if b == '-': continue
    vals[sub[s]][int(b)] = int(v)
cls = [0]*256
for s in range(4):
    for b in range(128):
        if vals[s][b] >= 0: cls[b] |= 1 << s
for b in range(48,58): cls[b] |= 16
o = []
o.append('// Text compaction tables: the class of every byte value and the value of each')
o.append('// character in the four text sub-modes. Generated from the shared text')
o.append('// sub-mode table.')
o.append('#include "pdf417/text_submodes.h"')
o.append('')
o.append('namespace barsize::pdf417 {')
o.append('')
o.append('// Bit 0 upper, bit 1 lower, bit 2 mixed, bit 3 punctuation, bit 4 digit.')
o.append('const uint8_t kTextClass[256] = {')
for i in range(0,256,16):
    o.append('    ' + ', '.join('%d' % x for x in cls[i:i+16]) + ',')
o.append('};')
o.append('')
o.append('// Value of a byte in the upper, lower, mixed and punctuation sub-modes;')
o.append('// -1 where the sub-mode has no such character.')
o.append('const int8_t kTextValue[4][128] = {')
for s, nm in enumerate(['upper','lower','mixed','punctuation']):
    o.append('    {  // %s' % nm)
    for i in range(0,128,16):
        o.append('        ' + ', '.join('%d' % x for x in vals[s][i:i+16]) + ',')
    o.append('    },')
o.append('};')
o.append('')
o.append('}  // namespace barsize::pdf417')
open('src/pdf417/text_submodes.cpp','w').write('\n'.join(o)+'\n')
