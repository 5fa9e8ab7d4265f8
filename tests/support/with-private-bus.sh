#!/usr/bin/env bash
# Runs a command on a private session bus that can start only the services
# of one folder of its own (exported as TINTWELL_TEST_DBUS_SERVICES), never
# the machine's: on a desktop with the portal, its backends, a colour daemon
# or the accessibility bus installed, a test's request must not start the
# real service in place of the test's stand-in, nor touch the user's
# session. Exits with the command's status.
#   with-private-bus.sh COMMAND [ARGUMENTS...]
set -uo pipefail
bus=$(mktemp -d)
trap 'rm -rf "$bus"' EXIT
mkdir "$bus/services"
cat >"$bus/session.conf" <<BUS
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$bus</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$bus/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
BUS
export TINTWELL_TEST_DBUS_SERVICES=$bus/services
# Nothing of the user's session reaches the command: not the bus, and not
# an accessibility bus announced on the X root window.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-run-session --config-file="$bus/session.conf" -- "$@"
