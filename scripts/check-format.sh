#!/usr/bin/env bash
# Fails when a C++ file of ours does not follow .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh clang-format
git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'fuzz/*.cpp' 'fuzz/*.h' \
    'bench/*.cpp' 'tools/*.cpp' | xargs clang-format --dry-run --Werror
echo "formatting checked"
