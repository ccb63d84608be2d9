#!/usr/bin/env bash
# Writes the seed files of fuzz_jpeg: small pictures of every kind libjpeg reads (baseline and
# progressive, colour and grey, each chroma sampling, restart markers, arithmetic coding, CMYK)
# and hostile ones made from them (a header claiming 8192 x 8192, a scan repeated, a file cut
# short). The results are committed; run this only to change the seeds. Needs ImageMagick and
# jpegtran (Debian libjpeg-turbo-progs).
set -euo pipefail
cd "$(dirname "$0")/jpeg"
convert=${CONVERT:-convert}
picture=(-size 32x24 gradient:'#C02040-#20A0F0' -swirl 90)

cp ../../../resources/yinyang.jpg yinyang.jpg
"$convert" "${picture[@]}" -sampling-factor 1x1 -quality 90 -strip baseline-444.jpg
"$convert" "${picture[@]}" -sampling-factor 2x2 -quality 75 -strip baseline-420.jpg
"$convert" "${picture[@]}" -sampling-factor 2x1 -quality 60 -strip baseline-422.jpg
"$convert" "${picture[@]}" -colorspace Gray -quality 80 -strip grey.jpg
"$convert" "${picture[@]}" -interlace Plane -quality 85 -strip progressive.jpg
"$convert" "${picture[@]}" -colorspace Gray -interlace Plane -strip progressive-grey.jpg
jpegtran -restart 1 -outfile restarts.jpg baseline-420.jpg
jpegtran -arithmetic -outfile arithmetic.jpg baseline-444.jpg
jpegtran -arithmetic -progressive -outfile arithmetic-progressive.jpg baseline-420.jpg
"$convert" "${picture[@]}" -define jpeg:optimize-coding=true -set comment 'WENDARIX' optimized.jpg
"$convert" "${picture[@]}" -colorspace CMYK -strip cmyk.jpg

python3 - <<'PY'
from pathlib import Path
def claim(data, w, h):
    for marker in (b'\xff\xc0', b'\xff\xc2'):
        i = data.find(marker)
        if i >= 0:
            b = bytearray(data)
            b[i+5:i+9] = bytes([h >> 8, h & 255, w >> 8, w & 255])
            return bytes(b)
    return data
def repeat_last_scan(data, times):
    sos, eoi = data.rfind(b'\xff\xda'), data.rfind(b'\xff\xd9')
    return data[:eoi] + data[sos:eoi] * times + data[eoi:]
base = Path('baseline-444.jpg').read_bytes()
prog = Path('progressive.jpg').read_bytes()
Path('claims-8192.jpg').write_bytes(claim(base, 8192, 8192))
Path('progressive-claims-8192.jpg').write_bytes(claim(prog, 8192, 8192))
Path('progressive-last-scan-40-times.jpg').write_bytes(repeat_last_scan(prog, 40))
Path('cut-short.jpg').write_bytes(base[: len(base) * 2 // 3])
PY
