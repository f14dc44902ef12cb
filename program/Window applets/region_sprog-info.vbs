#!/bin/sh
# Område: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
GNOME org.gnome.Settings.desktop gnome-control-center system region
KDE kcm_regionandlang.desktop systemsettings kcm_regionandlang
LXQt lxqt-config-locale.desktop lxqt-config-locale
X-Cinnamon cinnamon-settings-region.desktop cinnamon-settings region
EOF
