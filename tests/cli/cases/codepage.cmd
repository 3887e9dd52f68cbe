# ("$CLI" is brindlewick-cli; env keeps the shell from switching to locales it may lack.)
# Without --encoding the code page is the settings file's, else the one Windows would give the locale.
cp good/Camp.cpn C.cpn
env LC_ALL=ru_RU.UTF-8 "$CLI" set-title C.cpn "Три короля" && head -c 14 C.cpn | tail -c 10 | od -An -tx1
env LC_ALL=ru_RU.UTF-8 "$CLI" list C.cpn | head -1
cli list C.cpn | head -1
env LC_ALL= LC_CTYPE= LANG=bg_BG.UTF-8 "$CLI" list C.cpn | head -1
env LC_ALL=el_GR.UTF-8 "$CLI" set-title C.cpn "Ωμέγα" && env LC_ALL=el_GR.UTF-8 "$CLI" list C.cpn | head -1
env LC_ALL=zh_CN.UTF-8 "$CLI" set-title C.cpn "你好" && cli list C.cpn --encoding GBK | head -1
mkdir -p cfg/brindlewick && printf 'CodePage=936\n' > cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg LC_ALL=ru_RU.UTF-8 "$CLI" list C.cpn | head -1
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" list C.cpn --encoding windows-1252 | head -1
printf 'CodePage=Klingon\n' > cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" list C.cpn
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" list C.cpn --encoding GBK | head -1
# Windows code page numbers are named as iconv names them; a settings file that cannot be read
# is said, and the locale decides.
printf 'CodePage=65001\n' > cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" set-title C.cpn "Ωμέγα" && env XDG_CONFIG_HOME=$PWD/cfg "$CLI" list C.cpn --json | cut -c 1-20 && head -c 14 C.cpn | tail -c 10 | od -An -tx1
printf 'CodePage=20866\n' > cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" set-title C.cpn "Три" && head -c 11 C.cpn | tail -c 7 | od -An -tx1
printf 'CodePage=28591\n' > cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" list C.cpn --json | cut -c 1-20
rm cfg/brindlewick/brindlewick.conf && mkdir cfg/brindlewick/brindlewick.conf
env XDG_CONFIG_HOME=$PWD/cfg LC_ALL=ru_RU.UTF-8 "$CLI" list C.cpn --json | cut -c 1-20
env XDG_CONFIG_HOME=$PWD/cfg "$CLI" --help | grep -A 1 -e '--encoding'
cli list C.cpn --encoding ""
cli --encoding="" list C.cpn
