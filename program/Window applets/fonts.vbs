#!/bin/sh
# Skrifttyper: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.font-viewer.desktop gnome-font-viewer
KDE kcm_fonts.desktop systemsettings kcm_fonts
XFCE xfce-ui-settings.desktop xfce4-appearance-settings
LXQt lxqt-config-appearance.desktop lxqt-config-appearance
MATE mate-appearance-properties.desktop mate-appearance-properties
X-Cinnamon cinnamon-settings-fonts.desktop cinnamon-settings fonts
* font-manager.desktop font-manager
EOF
