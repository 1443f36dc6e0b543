#!/usr/bin/env bash
# A print service of the test's own, under one temporary folder, never the machine's:
#   private-cupsd.sh start DIR   starts cupsd on DIR/cups.sock (no network port) with one
#                                default queue "Scribel"
#   private-cupsd.sh queue DIR   makes the queue "Scribel" again, as the default
#   private-cupsd.sh stop DIR    stops it
# Clients reach it with CUPS_SERVER=DIR/cups.sock. The queue takes the PDF printer
# driver's description, and a device of its own turns each job into DIR/pdf/job-N.pdf:
# nothing is mounted and nothing needs root, so it runs alike as a user, as root and in a
# chroot.
set -euo pipefail
# The print service's administration commands live in sbin, which a user's PATH may lack.
PATH=$PATH:/usr/sbin:/sbin

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

# The queue on A4, whatever the machine's own paper. The device takes PostScript: made by
# pdftocairo, the fonts keep their text, which the test reads back.
add_queue() {
    lpadmin -p Scribel -E -v "scribel-pdf:$dir/pdf" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
        -o PageSize=A4 -o pdftops-renderer-default=pdftocairo 2>>"$dir/log/lpadmin.log"
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

mkdir -p "$dir"/{etc,spool/tmp,cache,state,log,pdf}
# Filters run as an unprivileged user: they must reach the spool and the output.
chmod 0777 "$dir/pdf" "$dir/spool/tmp"
chmod 0755 "$dir"

user=$(id -un)
group=$(id -gn)
if [[ $(id -u) -eq 0 ]]; then
    user=lp
    group=lp
fi

# The machine's filters, and the queue's device: Ghostscript writes the job's PDF aside,
# then names it, so that a PDF in the folder is whole.
if [[ ! -d $dir/bin ]]; then
    mkdir -p "$dir/bin/backend"
    for part in /usr/lib/cups/*; do
        [[ $part == */backend ]] || ln -s "$part" "$dir/bin/"
    done
fi
cat >"$dir/bin/backend/scribel-pdf" <<'DEVICE'
#!/bin/sh
[ $# -ge 5 ] || { echo 'file scribel-pdf "Unknown" "PDF files"'; exit 0; }
out=${DEVICE_URI#scribel-pdf:}
gs -q -dBATCH -dNOPAUSE -dSAFER -sDEVICE=pdfwrite -sOutputFile="$out/.job-$1" "${6:--}" &&
    mv "$out/.job-$1" "$out/job-$1.pdf"
DEVICE
chmod 0755 "$dir/bin/backend/scribel-pdf"

cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
ServerBin $dir/bin
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

"$cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
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
