#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private CUPS scheduler for the end-to-end print test, apart from any system scheduler:
#   scripts/cups-test-printer.sh start DIR   cupsd on DIR/cups.sock, queue "KelvarinPDF"
#                                           (cups-pdf, 300 dpi by default) as its default
#                                           printer, PDFs in DIR/out
#   scripts/cups-test-printer.sh stop DIR
# Clients reach it with CUPS_SERVER=DIR/cups.sock. It needs root (the cups-pdf backend runs as
# root) and the Debian packages cups and printer-driver-cups-pdf; without them `start` exits
# with 77 and says why, so that the test is skipped rather than failed. cups-pdf reads its
# settings only from the system's CUPS folder, so a settings file of this scheduler's own is
# placed there under a name made from DIR, and removed again by `stop`.
set -u

queue=KelvarinPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

skip() {
    echo "cups-test-printer: $*" >&2
    exit 77
}

[ $# -eq 2 ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
action=$1
dir=$(realpath -m -s "$2")
# cups-pdf takes its settings file's name from the device, not the queue: one name per folder,
# so that schedulers started for different folders never share (or remove) each other's.
device=kelvarin-$(printf %s "$dir" | md5sum | cut -c1-12)
queue_conf=/etc/cups/cups-pdf-$device.conf
# Filters run as the scheduler's user lp and must reach its folders, which a build tree under a
# home folder (root's is 0700) keeps from them: the folders live in /tmp, and DIR links there.
state=/tmp/$device

stop() {
    if [ -f "$dir/cupsd.pid" ]; then
        kill "$(cat "$dir/cupsd.pid")" 2>/dev/null
        rm -f "$dir/cupsd.pid"
    fi
    rm -f "$queue_conf"
}

case "$action" in
stop)
    stop
    exit 0
    ;;
start) ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac

[ "$(id -u)" -eq 0 ] || skip "needs root: the cups-pdf backend only runs for a scheduler started as root"
command -v cupsd >/dev/null || skip "cupsd is not installed (Debian package cups)"
command -v lpadmin >/dev/null || skip "lpadmin is not installed (Debian package cups-client)"
[ -x /usr/lib/cups/backend/cups-pdf ] && [ -f "$ppd" ] ||
    skip "cups-pdf is not installed (Debian package printer-driver-cups-pdf)"

stop
rm -rf "$dir" "$state"
mkdir -p "$state"/{etc/ppd,spool,cache,state,tmp,log,out,cups-pdf-spool} "$(dirname "$dir")"
ln -s "$state" "$dir"
chmod 0755 "$state" "$state"/{etc,etc/ppd,cache,state,log}
chmod 1777 "$state/tmp" "$state/out" "$state/cups-pdf-spool"
dir=$state

cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
SystemGroup root
EOF

cat >"$dir/etc/cupsd.conf" <<EOF
LogLevel warn
Listen $dir/cups.sock
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

cat >"$queue_conf" <<EOF
Out $dir/out
Spool $dir/cups-pdf-spool
Log $dir/log
AnonDirName $dir/out
UserPrefix
LogType 3
EOF

cupsd -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >/dev/null 2>&1 ||
    skip "cupsd refuses its settings: $(cupsd -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" 2>&1 | tail -n 1)"
# In the foreground of a session of its own, so that its process id is known and a signal to
# the test's process group does not reach it.
setsid cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 50); do
    [ -S "$dir/cups.sock" ] && lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || { stop; skip "cupsd does not answer on $dir/cups.sock"; }

# lpadmin's note that printer drivers are deprecated is no error.
lpadmin -p "$queue" -E -v "cups-pdf:/$device" -P "$ppd" -o printer-is-shared=false \
    -o PageSize=A4 -o pdftops-renderer-default=pdftocairo 2>&1 | grep -v "drivers are deprecated" >&2
lpstat -p "$queue" >/dev/null 2>&1 || { stop; skip "lpadmin could not add the queue"; }
lpadmin -d "$queue" || { stop; skip "lpadmin could not make the queue the default"; }
echo "cups-test-printer: $queue on $dir/cups.sock, PDFs in $dir/out"
