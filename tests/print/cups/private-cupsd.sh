#!/usr/bin/env bash
# A print service of the test's own, under one temporary folder, never the machine's:
#   private-cupsd.sh start DIR   starts cupsd on DIR/cups.sock (no network port) with one
#                                default queue "Scribel"
#   private-cupsd.sh queue DIR   makes the queue "Scribel" again, as the default
#   private-cupsd.sh stop DIR    stops it
# Clients reach it with CUPS_SERVER=DIR/cups.sock. "start" prints the kind of queue made:
#   cups-pdf  the PDF printer driver, writing into DIR/pdf, its configuration laid over the
#             machine's one in a mount namespace of the daemon alone (the driver needs root,
#             and its configuration file has a fixed place)
#   null      otherwise, or with PRIVATE_CUPSD_QUEUE=null, a raw queue that throws its
#             jobs away: the queue's states can be tested, not the printed page
set -euo pipefail

action=${1:?usage: private-cupsd.sh start|stop DIR}
dir=$(realpath -m "${2:?usage: private-cupsd.sh start|stop DIR}")
socket=$dir/cups.sock

stop() {
    [[ -f $dir/cupsd.pid ]] || return 0
    local pid
    pid=$(cat "$dir/cupsd.pid")
    rm -f "$dir/cupsd.pid"
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.05
    done
    kill -KILL "$pid" 2>/dev/null || true
}

export CUPS_SERVER=$socket

# The queue on A4, whatever the machine's own paper. The driver takes PostScript: made by
# pdftocairo, the fonts keep their text, which the test reads back.
add_queue() {
    if [[ $(cat "$dir/kind") == cups-pdf ]]; then
        lpadmin -p Scribel -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
            -o PageSize=A4 -o pdftops-renderer-default=pdftocairo 2>>"$dir/log/lpadmin.log"
    else
        lpadmin -p Scribel -E -v file:///dev/null 2>>"$dir/log/lpadmin.log"
    fi
    lpadmin -d Scribel
}

case $action in
stop)
    stop
    exit 0
    ;;
queue)
    add_queue
    exit 0
    ;;
start) ;;
*)
    echo "unknown action: $action" >&2
    exit 2
    ;;
esac

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[[ -x $cupsd ]] || { echo "cupsd is not installed (cups-daemon)" >&2; exit 3; }
command -v lpadmin >/dev/null || { echo "lpadmin is not installed (cups-client)" >&2; exit 3; }

mkdir -p "$dir"/{etc,spool/tmp,cache,state,log,pdf,cups-pdf-spool}
# Filters run as an unprivileged user: they must reach the spool and the output.
chmod 0777 "$dir/pdf" "$dir/spool/tmp" "$dir/cups-pdf-spool"
chmod 0755 "$dir"

user=$(id -un)
group=$(id -gn)
if [[ $(id -u) -eq 0 ]]; then
    user=lp
    group=lp
fi

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User $user
Group $group
SystemGroup $(id -gn)
Sandboxing Relaxed
CONF

cat >"$dir/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cat >"$dir/cups-pdf.conf" <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf-spool
Log $dir/log
Grp $(id -gn)
UserUMask 0000
CONF

kind=null
if [[ ${PRIVATE_CUPSD_QUEUE:-} != null && $(id -u) -eq 0 && -x /usr/lib/cups/backend/cups-pdf && -f /etc/cups/cups-pdf.conf ]] &&
    unshare --mount --propagation private true 2>/dev/null; then
    kind=cups-pdf
fi

echo "$kind" >"$dir/kind"
if [[ $kind == cups-pdf ]]; then
    unshare --mount --propagation private -- sh -c \
        'mount --bind "$1" /etc/cups/cups-pdf.conf && exec "$2" -f -c "$3" -s "$4"' \
        sh "$dir/cups-pdf.conf" "$cupsd" "$dir/etc/cupsd.conf" "$dir/etc/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 &
else
    "$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
fi
echo $! >"$dir/cupsd.pid"

answers() {
    [[ -S $socket ]] && LC_ALL=C lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

for _ in $(seq 200); do
    if answers; then
        break
    fi
    if ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
        echo "cupsd did not start:" >&2
        cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
        exit 4
    fi
    sleep 0.05
done
answers || { stop; echo "cupsd does not answer on $socket" >&2; exit 4; }

add_queue
echo "$kind"
