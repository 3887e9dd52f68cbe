# Texts are converted at the command line only; the file keeps the code page's bytes.
cp good/Camp.cpn C.cpn
cli set-title C.cpn "Été 1066 – naïve ☃" && cli list C.cpn && head -c 30 C.cpn | tail -c 26 | od -An -c | head -2
cli set-title C.cpn --encoding GBK "你好" && cli list C.cpn --encoding gbk
cli set-title C.cpn "$(printf 'x%.0s' $(seq 1 300))" && cli list --json C.cpn | cut -c 1-40
