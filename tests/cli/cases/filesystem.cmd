# What real file systems hold: special files, names at the length limit, read-only and
# foreign-owned files, names that are not UTF-8. Every refusal is at once, clear, and leaves
# nothing behind.
mkfifo f.cpn f.scn && cli list f.cpn; cli check f.cpn; cli extract f.cpn; cp good/Camp.cpn C.cpn && cli add C.cpn f.scn
cli list /dev/zero; cli add C.cpn /dev/zero; cli add C.cpn good; cli set-title good X
cli create f.cpn good/Demo.scn; cli create --force C2.cpn f.scn; cli list C.cpn
# Long names: the campaign's own, stored names of 248 to 256 bytes and ones whose UTF-8 form
# passes 255 bytes are extracted under a name shortened to fit, extension kept.
long=$(printf 'L%.0s' {1..247}) && cp good/Demo.scn $long.scn && cli create $long.cpn $long.scn && cli add $long.cpn $long.scn && cli list $long.cpn | cut -c1-40
long=$(printf 'L%.0s' {1..247}) && cli extract $long.cpn --output x1 | sed 's/LLLLLLLLLL*/L{n}/'; ls x1 | awk '{ print length($0) }'
cli create W.cpn good/Demo.scn good/Demo.scn && printf "%0256d" 0 | tr 0 N | dd of=W.cpn bs=1 seek=527 conv=notrunc status=none && printf '%.0s\x80' {1..90} | dd of=W.cpn bs=1 seek=1047 conv=notrunc status=none && printf '.scn' | dd of=W.cpn bs=1 seek=1137 conv=notrunc status=none
cli extract W.cpn --output x2 | sed 's/NNNNNNNNNN*/N{n}/; s/\(€\)\1*/€{n}/'; ls x2 | awk '{ print length($0) }'
cli extract W.cpn --output x2 --force | sed 's/NNNNNNNNNN*/N{n}/; s/\(€\)\1*/€{n}/'; ls -A x2 | wc -l
long=$(printf 'L%.0s' {1..247}) && cli extract W.cpn --output $long.dir/$long 2>&1 | sed 's/NNNNNNNNNN*/N{n}/; s/\(€\)\1*/€{n}/' | sed 's/LLLLLLLLLL*/L{n}/g'
# Read-only files are not replaced; replaced files keep owner, group and mode.
cp good/Camp.cpn R.cpn && chmod 0444 R.cpn && cli set-title R.cpn X; cli add R.cpn good/Demo.scn; cmp R.cpn good/Camp.cpn && stat -c %a R.cpn
mkdir x3 && cli extract good/Camp.cpn --output x3 >/dev/null && chmod 0444 x3/Demo.scn && cli extract good/Camp.cpn --output x3 --force; stat -c %a x3/Demo.scn
cp good/Camp.cpn O.cpn && chmod 0640 O.cpn && { [ "$(id -u)" != 0 ] || chown 4242:4343 O.cpn; } && before=$(stat -c '%a %u:%g' O.cpn) && cli set-title O.cpn Mine && [ "$(stat -c '%a %u:%g' O.cpn)" = "$before" ] && stat -c %a O.cpn
# A name that is not UTF-8 is stored as its bytes; a UTF-8 one in the code page.
cp good/Demo.scn $'caf\xe9.scn' && cp good/Demo.scn 'café2.scn' && cli create N.cpn $'caf\xe9.scn' 'café2.scn' && cli list N.cpn --json
cli replace N.cpn 2 $'caf\xe9.scn' && cli list N.cpn
find . -name '.*' ! -name . | wc -l
