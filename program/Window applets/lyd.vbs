#!/bin/sh
# Lyd: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center sound
KDE kcm_pulseaudio.desktop systemsettings kcm_pulseaudio
MATE mate-volume-control.desktop mate-volume-control
X-Cinnamon cinnamon-settings-sound.desktop cinnamon-settings sound
* org.pulseaudio.pavucontrol.desktop pavucontrol
* pavucontrol.desktop pavucontrol
* pavucontrol-qt.desktop pavucontrol-qt
EOF
