#!/usr/bin/env python3
"""Writes src/core/text/pinyintable.inc: the syllable list and, for every cell of the GBK grid
(lead 0x81-0xFE, trail 0x40-0xFE), the number of the syllable the character is read with.

The readings come from Unicode's Unihan_Readings.txt (Debian package unicode-data), field
kMandarin, first reading, tones stripped, u-umlaut written "v". Only this script needs the
data; the build compiles the committed output.

    python3 tools/gen_pinyin_table.py [--unihan FILE] [--out FILE]

FILE may be Unihan_Readings.txt, its .bz2, or Unihan.zip.
"""

import argparse
import bz2
import io
import os
import sys
import unicodedata
import zipfile

# The toneless syllables, in alphabetical order. Readings that are mere spelling variants or
# rare interjections and dialect words (chua, den, eng, fiao, hm, kei, lo, nun, o, rua, shei,
# yo) are not listed; see ALIASES and nearest_entry for where they go.
BASE = """
a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu
ca cai can cang cao ce ceng cha chai chan chang chao che chen cheng chi chong chou chu
chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo
da dai dan dang dao de deng di dian diao die ding diu dong dou du duan dui dun duo
e en er fa fan fang fei fen feng fo fou fu
ga gai gan gang gao ge gei gen geng gong gou gu gua guai guan guang gui gun guo
ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo
ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun
ka kai kan kang kao ke ken keng kong kou ku kua kuai kuan kuang kui kun kuo
la lai lan lang lao le lei leng li lia lian liang liao lie lin ling liu long lou lu luan
lue lun luo
ma mai man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu
na nai nan nang nao ne nei nen neng ni nian niang niao nie nin ning niu nong nu nuan nue
nuo ou
pa pai pan pang pao pei pen peng pi pian piao pie pin ping po pou pu
qi qia qian qiang qiao qie qin qing qiong qiu qu quan que qun
ran rang rao re ren reng ri rong rou ru ruan rui run ruo
sa sai san sang sao se sen seng sha shai shan shang shao she shen sheng shi shou shu shua
shuai shuan shuang shui shun shuo si song sou su suan sui sun suo
ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu tuan tui tun tuo
wa wai wan wang wei wen weng wo wu
xi xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun
ya yan yang yao ye yi yin ying yong you yu yuan yue yun
za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhen zheng zhi zhong zhou
zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui zun zuo
""".split()

# After the alphabetical part: one empty entry, then the syllables added later.
EXTRAS = ["", "ei", "m", "n", "dia", "cen", "nou", "jv", "qv", "xv", "lv", "nv"]

SYLLABLES = BASE + EXTRAS

# Readings not in the list that have an obvious list spelling.
ALIASES = {"lve": "lue", "nve": "nue", "shei": "shui", "lo": "luo"}

# Rows 0xA1-0xA9 hold symbols, not ideographs: the code handles the ones that have letters.
SYMBOL_ROWS = range(0xA1, 0xAA)

DIGITS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-_"


def nearest_entry(reading):
    """The list entry for a reading that is not in it: the one sharing the longest beginning
    with it (so the first letter always agrees), then the shorter, then the first."""
    def shared(entry):
        n = 0
        while n < min(len(entry), len(reading)) and entry[n] == reading[n]:
            n += 1
        return n
    candidates = [s for s in SYLLABLES if s]
    return min(candidates, key=lambda s: (-shared(s), len(s), s))


def toneless(reading):
    decomposed = unicodedata.normalize("NFD", reading.lower()).replace("u\u0308", "v")
    return "".join(c for c in decomposed if not unicodedata.combining(c))


def open_readings(path):
    if path.endswith(".zip"):
        with zipfile.ZipFile(path) as z:
            return io.StringIO(z.read("Unihan_Readings.txt").decode("utf-8"))
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    return open(path, encoding="utf-8")


def find_unihan():
    for name in ("Unihan_Readings.txt", "Unihan_Readings.txt.bz2", "Unihan.zip"):
        path = os.path.join("/usr/share/unicode", name)
        if os.path.exists(path):
            return path
    sys.exit("Unihan_Readings.txt not found: install unicode-data or pass --unihan")


def read_mandarin(path):
    """The first kMandarin reading of each code point, and the Unicode version of the file."""
    readings, version = {}, "?"
    with open_readings(path) as f:
        for line in f:
            if line.startswith("# Unicode version:"):
                version = line.split(":", 1)[1].strip()
            if not line.startswith("U+"):
                continue
            code, field, value = line.rstrip("\n").split("\t", 2)
            if field == "kMandarin":
                readings[int(code[2:], 16)] = value.split()[0]
    return readings, version


def build_grid(readings):
    number = {s: i + 1 for i, s in enumerate(SYLLABLES) if s}
    grid, mapped = [], {}
    for lead in range(0x81, 0xFF):
        row = []
        for trail in range(0x40, 0xFF):
            n = 0
            if lead not in SYMBOL_ROWS:
                try:
                    ch = bytes([lead, trail]).decode("gbk")
                except UnicodeDecodeError:
                    ch = ""
                if len(ch) == 1 and ord(ch) in readings:
                    spelled = toneless(readings[ord(ch)])
                    if spelled not in number:
                        target = ALIASES.get(spelled) or nearest_entry(spelled)
                        mapped.setdefault((spelled, target), []).append(ch)
                        spelled = target
                    n = number[spelled]
            row.append(n)
        grid.append(row)
    return grid, mapped


def encode(n):
    return DIGITS[n // 64] + DIGITS[n % 64]


def write_inc(path, grid, source):
    per_line = 64
    out = [
        "// Generated by tools/gen_pinyin_table.py from %s (kMandarin)." % source,
        "// Do not edit: change the script and run it again.",
        "// kSyllables[n - 1] is syllable number n. kReadingRows holds one string per lead byte",
        "// 0x81-0xFE, two characters per trail byte 0x40-0xFE, each pair the syllable number in",
        "// base 64 (digits of kReadingDigits, high first). Cells past the end of a row have no reading.",
        "",
        "static constexpr const char *kSyllables[%d] = {" % len(SYLLABLES),
    ]
    line = "   "
    for s in SYLLABLES:
        item = ' "%s",' % s
        if len(line) + len(item) > 100:
            out.append(line)
            line = "   "
        line += item
    out += [line, "};", "",
            'static constexpr char kReadingDigits[] = "%s";' % DIGITS, "",
            "static constexpr std::string_view kReadingRows[%d] = {" % len(grid)]
    for lead, row in zip(range(0x81, 0xFF), grid):
        text = "".join(encode(n) for n in row)
        while text.endswith("00"):
            text = text[:-2]
        if not text:
            out.append('    "", // 0x%02X' % lead)
            continue
        chunks = [text[i:i + 2 * per_line] for i in range(0, len(text), 2 * per_line)]
        out.append("    // 0x%02X" % lead)
        out += ['    "%s"' % c for c in chunks[:-1]]
        out.append('    "%s",' % chunks[-1])
    out += ["};", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--unihan", help="Unihan_Readings.txt, .txt.bz2 or Unihan.zip")
    ap.add_argument("--out", default=os.path.join(root, "src/core/text/pinyintable.inc"))
    args = ap.parse_args()

    assert len(BASE) == 393 and BASE == sorted(BASE) and len(set(BASE)) == len(BASE)
    assert len(SYLLABLES) == 405 and not set(BASE) & set(EXTRAS)

    path = args.unihan or find_unihan()
    readings, version = read_mandarin(path)
    grid, mapped = build_grid(readings)
    write_inc(args.out, grid, "Unihan_Readings.txt of Unicode %s" % version)

    read = sum(1 for row in grid for n in row if n)
    print("%s: %d cells with a reading" % (args.out, read))
    for (spelled, target), chars in sorted(mapped.items()):
        print("  %s -> %s: %s" % (spelled, target, "".join(chars)))


if __name__ == "__main__":
    main()
