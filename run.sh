#!/usr/bin/env bash
# Installs what is missing, builds, creates a database on first start and opens the program.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
[ -f build/Data/db.edb ] || build/qorvan init build
exec build/qorvan "$@"
