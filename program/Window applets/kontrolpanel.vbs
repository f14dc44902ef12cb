#!/bin/sh
# Kontrolpanel: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center
KDE systemsettings.desktop systemsettings
XFCE xfce-settings-manager.desktop xfce4-settings-manager
LXQt lxqt-config.desktop lxqt-config
MATE matecc.desktop mate-control-center
X-Cinnamon cinnamon-settings.desktop cinnamon-settings
EOF
