# Listing reads the table and the version texts; offsets are the stored ones.
cli list good/Camp.cpn
cli list good/Three.cpx
cli list --json good/Three.cpx
cli list good/Unordered.cpn
cli list good/Empty.cpn --json
cli list good/Traversal.cpn
