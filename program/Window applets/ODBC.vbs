#!/bin/sh
# ODBC: the desktop's own settings tool for this job.
# shellcheck source=applet.sh
. "${0%/*}/applet.sh"
applet "$@" <<'EOF'
* ODBCManageDataSourcesQ5.desktop ODBCManageDataSourcesQ5
* ODBCManageDataSourcesQ4.desktop ODBCManageDataSourcesQ4
EOF
