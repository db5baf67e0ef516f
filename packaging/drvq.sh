#!/bin/sh
# SPDX-FileCopyrightText: 2026 The drvq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the trainer where it is installed. The program reads its question bank from the
# Dat folder beside itself, so it runs from its own folder under lib/drvq and this launcher
# on the PATH only finds it there, wherever the prefix is.
# The program names itself as it was called here in its messages ("xvfb-run drvq").
here=$(dirname "$(readlink -f "$0")")
DRVQ_LAUNCHED_AS=$0 exec "$here/../lib/drvq/drvq" "$@"
