#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Starts a session bus of a test's or a benchmark's own, listening in WORK, whose service folder
# holds a service file for the built program, as the package installs one for the installed
# program: `slovnik-cli show` then starts the program through the bus as on a desktop. The bus
# and the programs it starts inherit this script's environment (display, platform, locale).
#
#   start-private-bus.sh WORK PROGRAM     prints the bus's address, then its process id
set -euo pipefail

work=${1:?work folder} program=${2:?program}
readonly service=io.github.slovnik_app.slovnik

mkdir "$work/services"
printf '[D-BUS Service]\nName=%s\nExec=%s\n' "$service" "$program" >"$work/services/$service.service"
cat >"$work/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <servicedir>$work/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
exec dbus-daemon --config-file="$work/bus.conf" --fork --print-address=1 --print-pid=1
