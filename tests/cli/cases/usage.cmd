# Wrong use exits 2 with the usage line; --help and --version exit 0.
cli
cli frobnicate x.cpn
cli list
cli list a.cpn b.cpn
cli list good/Camp.cpn --bogus
cli remove good/Camp.cpn zero
cli remove good/Camp.cpn 0
cli set-version good/Camp.cpn 1 1.19
cli extract good/Camp.cpn --output
cli --version
cli list --help
cli list good/Camp.cpn --encoding NOPE
cli list missing.cpn
cli --help
# Options may stand before the command too.
cli --encoding windows-1251 list good/Camp.cpn
cli --json list good/Camp.cpn --encoding=GBK
cli --output out --force extract good/Camp.cpn && ls out
cli --output out list good/Camp.cpn
cli --encoding GBK
cli --help list
cli -- list good/Camp.cpn
