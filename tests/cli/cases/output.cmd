# Output that cannot be written (a full device, a closed standard output) is a failure that says so.
cli list good/Camp.cpn > /dev/full
cli list good/Camp.cpn --json >&-
cli check good/Camp.cpn > /dev/full
cli --help > /dev/full
cli list --help >&-
cli extract good/Camp.cpn --output o > /dev/full; ls o
