#!/bin/sh
# ODBC: the desktop's own settings tool for this job.
case $0 in */*) her=${0%/*} ;; *) her=. ;; esac
# shellcheck source=applet.sh
. "$her/applet.sh"
applet "$@" <<'EOF'
* ODBCManageDataSourcesQ5.desktop ODBCManageDataSourcesQ5
* ODBCManageDataSourcesQ4.desktop ODBCManageDataSourcesQ4
EOF
