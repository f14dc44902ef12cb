#!/bin/sh
# Område: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system region
KDE kcm_regionandlang.desktop systemsettings kcm_regionandlang
LXQt lxqt-config-locale.desktop lxqt-config-locale
X-Cinnamon cinnamon-settings-region.desktop cinnamon-settings region
EOF
