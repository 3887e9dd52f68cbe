# Every edit rewrites the campaign with payloads back to back.
cp good/Three.cpx T.cpx
cli add T.cpx good/Demo.scn && cli list T.cpx
cli add T.cpx --at 1 good/Demo.scn && cli list T.cpx
cli remove T.cpx 1 5 && cli list T.cpx
cli move T.cpx 3 1 && cli list T.cpx
cli replace T.cpx 2 good/Demo.scn && cli list T.cpx
cli set-version T.cpx 1 1.10 && cli list T.cpx
cli set-version T.cpx all 1.11
cli set-version T.cpx 3 1.18 && cli set-version T.cpx 2 1.18 && cli list T.cpx
cli set-title T.cpx "Renamed" && cli list T.cpx
cli check T.cpx
cli add T.cpx --at 6 good/Demo.scn
cli remove T.cpx 4
cli move T.cpx 1 4
cli list T.cpx
cp good/Unordered.cpn U.cpn && cli set-title U.cpn "Packed" && cli list U.cpn && cli check U.cpn
