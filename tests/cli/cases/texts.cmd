# Texts are cut to what reads back whole, never inside a character; control characters of
# either range never reach the terminal.
cp good/Camp.cpn C.cpn
cli set-title C.cpn "$(printf 'x%.0s' $(seq 1 255))" && cli check C.cpn
cli set-title C.cpn "$(printf 'y%.0s' $(seq 1 300))" && cli check C.cpn && cli list C.cpn --json | python3 -c 'import json, sys; print(len(json.load(sys.stdin)["title"]))'
cli set-title C.cpn --encoding GBK "$(printf '汉%.0s' $(seq 1 200))" && cli check C.cpn && cli list C.cpn --encoding GBK --json | python3 -c 'import json, sys; t = json.load(sys.stdin)["title"]; print(len(t), sorted(set(t)))'
cli set-title C.cpn --encoding ISO-8859-1 "$(printf 'A\xc2\x9b31mB\xc2\x85C\x1bD')" && cli list C.cpn --encoding ISO-8859-1 && cli list C.cpn --encoding ISO-8859-1 --json | cut -c 1-40
cp good/Camp.cpn N.cpn && printf 'N\x9b2J\x90x' | dd of=N.cpn bs=1 seek=272 conv=notrunc status=none && cli list N.cpn --encoding ISO-8859-1 && cli list N.cpn --encoding ISO-8859-1 --json | grep -o '"name": "[^"]*"'
cli list C.cpn --encoding NOPE
cli set-title C.cpn --encoding=NOPE x
# A title that is not UTF-8 keeps its bytes, as file names do.
cli set-title C.cpn "$(printf 'caf\xe9 \x81')" && head -c 14 C.cpn | tail -c 10 | od -An -tx1
# Columns line up by the width the terminal gives each character.
cp good/Demo.scn 漢字.scn && cp good/Demo.scn ab.scn && cli create W.cpn --encoding GBK ab.scn 漢字.scn && cli list W.cpn --encoding GBK
# JSON is valid UTF-8 whatever the stored bytes, in any code page.
printf 1.11 > "$(printf 'b\xf4\x90\x80\x80.scn')" && printf 1.11 > "$(printf 'c\xf8\x88\x80\x80\x80.scn')" && cli create J.cpn b*.scn c*.scn
for page in UTF-8 GBK windows-1252 SHIFT_JIS; do cli list J.cpn --encoding $page --json | python3 -c 'import json, sys; json.loads(sys.stdin.buffer.read().decode("utf-8")); print("valid")'; done
