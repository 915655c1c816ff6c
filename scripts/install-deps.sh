#!/usr/bin/env bash
# Installs the Debian packages the build needs (and with --test, what the tests need). Quiet and quick
# when everything is there already.
set -euo pipefail

packages=(cmake g++ make pkg-config clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-translations-l10n fonts-noto-cjk fonts-liberation2 libgl-dev libxcb1-dev libzip-dev
          libcli11-dev nlohmann-json3-dev python3 python3-markdown dpkg-dev)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(clang-format libreoffice-writer-nogui libreoffice-math-nogui python3-docx python3-jsonschema poppler-utils python3-ezdxf
               desktop-file-utils shared-mime-info)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
fi
