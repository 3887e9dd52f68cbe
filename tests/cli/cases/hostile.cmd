# Broken campaigns end with a clear error and exit 1; nothing is written or left behind.
for f in broken/*.cpn; do cli list "$f"; done
for f in broken/*.cpn; do cp "$f" x.cpn; cli add x.cpn good/Demo.scn; cmp -s x.cpn "$f" || echo "$f CHANGED"; done
for f in broken/*.cpn; do cli extract "$f" --output ex; done; ls -A ex
for f in broken/*.cpn; do cp "$f" x.cpn; cli set-title x.cpn T; cmp -s x.cpn "$f" || echo "$f CHANGED"; done
for f in broken/*.cpn; do cli check "$f"; done
ls -A
