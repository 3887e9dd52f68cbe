# A failure names the file that failed and the system's reason; paths from the command line
# show control characters as "?", as the listing does.
(trap '' XFSZ; ulimit -f 0; cli extract good/Three.cpx --output o); ls -A o
cp good/Camp.cpn C.cpn && (trap '' XFSZ; ulimit -f 1; cli add C.cpn good/Demo.scn); cmp C.cpn good/Camp.cpn && echo unchanged
cli list missing.cpn
cli list $'esc\e[2Jape.cpn'
cli add C.cpn $'bell\a.scn'
mkdir -p $'out\e[31m' && cli extract good/Camp.cpn --output $'out\e[31m'
