# The edges of what the commands take.
cp good/Three.cpx T.cpx && cli add T.cpx --at 4 good/Demo.scn && cli list T.cpx
mkdir o && touch o/Odd.scn && cli extract good/Three.cpx --output o; ls -A o
# 264 + 520 + 2,147,482,863 bytes is the largest campaign there is: it is written (here until
# the file size limit stops it), one byte more is refused. The files are sparse.
truncate -s 2147482863 Fits.scn && (trap '' XFSZ; ulimit -f 1; cli create C.cpn Fits.scn); test -e C.cpn || echo no C.cpn
truncate -s 2147482864 Over.scn && cli create C.cpn Over.scn
# Only a regular file is replaced, never a FIFO, socket or device, nor through a dangling link.
mkfifo f.cpn && cli create --force f.cpn good/Demo.scn; test -p f.cpn && echo still a FIFO
ln -s f.cpn l.cpn && cli create --force l.cpn good/Demo.scn; test -p f.cpn && echo still a FIFO
ln -s nowhere/d.cpn d.cpn && cli create --force d.cpn good/Demo.scn
