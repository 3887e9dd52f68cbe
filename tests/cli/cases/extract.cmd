# Extraction writes each payload under its stored file name made safe, never outside the folder.
cli extract good/Three.cpx --output out
cmp out/Dawn.scx <(tail -c +1825 good/Three.cpx | head -c 300) && echo Dawn intact
cli extract good/Three.cpx --output out 2
cli extract good/Three.cpx --output out --force 2 2
cli extract good/Traversal.cpn --output safe
ls -A safe
ls -A .
cli extract good/Camp.cpn --output dup 1 1
cp good/Camp.cpn C.cpn && cli add C.cpn good/Demo.scn && cli extract C.cpn --output dup2 && ls dup2
mkdir links && ln -s ../good/Demo.scn links/Demo.scn
cli extract good/Camp.cpn --output links
cli extract good/Camp.cpn --output links --force && test ! -L links/Demo.scn && cmp -s links/Demo.scn good/Demo.scn && echo the link was replaced, not followed
cli extract good/Camp.cpn 9
cli list good/TitleFull.cpn --json | cut -c 1-30
cli check good/TitleFull.cpn
# Stored names stay distinct: bytes the code page does not define are kept as they are.
printf 1.11 > "$(printf 'x\x81.scn')" && printf 1.11 > "$(printf 'x\x8d.scn')" && printf 1.11 > "$(printf 'caf\xc3\xa9.scn')" && cli create U.cpn x*.scn caf*.scn
cli extract U.cpn --output undefined && ls undefined | od -An -c
mkdir back && cli create back/U.cpn undefined/x* undefined/caf* && cmp <(head -c 1824 U.cpn) <(head -c 1824 back/U.cpn) && echo the names read back as stored
# A number a stored name already holds is never handed out twice.
printf 1.11 > a.scn && printf 1.11 > "a (2).scn" && cli create D.cpn a.scn a.scn "a (2).scn" a.scn && cli extract D.cpn --output numbered
