# A campaign built from Demo.scn is byte for byte the committed 884-byte sample.
cli create Camp.cpn good/Demo.scn && cmp Camp.cpn good/Camp.cpn && echo same bytes
cli create Camp.cpn good/Demo.scn
cli create Camp.cpn --force --title "Ma campagne à moi" good/Demo.scn good/Demo.scn
cli list Camp.cpn
cli create Nothing.cpx && wc -c < Nothing.cpx && cli list Nothing.cpx
cli create Bad.cpn good/Demo.scn missing.scn
test -e Bad.cpn || echo no Bad.cpn
cli create Empty.cpn --title "" && cli list Empty.cpn
