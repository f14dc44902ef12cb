#!/bin/sh
# Enhedshåndtering: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
KDE org.kde.kinfocenter.desktop kinfocenter
* hardinfo.desktop hardinfo
* gtk-lshw.desktop lshw-gtk
EOF
