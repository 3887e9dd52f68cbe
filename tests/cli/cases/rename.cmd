# Rename changes the stored texts only: the payloads stay byte for byte.
cp good/Three.cpx T.cpx && cli extract T.cpx --output before >/dev/null
cli rename T.cpx 2 "Second Trial" && cli list T.cpx
cli rename T.cpx 1 Morning --file-name Morning.scx && cli list T.cpx
cli move T.cpx 1 3 && cli rename T.cpx 3 Dusk && cli list T.cpx && cli check T.cpx
cli extract T.cpx --output after >/dev/null && cmp before/Dawn.scx after/Morning.scx && cmp before/Trial.scn after/Trial.scn && echo payloads kept
# Names and file names are cut, between characters, to what their fields read back whole.
cli rename T.cpx 1 "$(printf 'n%.0s' $(seq 1 300))" --file-name "$(printf 'f%.0s' $(seq 1 300))" && cli check T.cpx; cli list T.cpx --json | python3 -c 'import json, sys; s = json.load(sys.stdin)["scenarios"][0]; print(len(s["name"]), len(s["file_name"]))'
cli rename T.cpx 1 --encoding GBK "$(printf '汉%.0s' $(seq 1 200))" && cli list T.cpx --encoding GBK --json | python3 -c 'import json, sys; t = json.load(sys.stdin)["scenarios"][0]["name"]; print(len(t), sorted(set(t)))'
cli rename T.cpx 2 "Ça va" --encoding windows-1252 && cli list T.cpx --encoding windows-1252 --json | python3 -c 'import json, sys; print(json.load(sys.stdin)["scenarios"][1]["name"])' && python3 -c 'print(b"\xc7a va\x00" in open("T.cpx", "rb").read())'
cli rename T.cpx 4 Nowhere
cli rename T.cpx 1
