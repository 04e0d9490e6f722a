#!/usr/bin/env bash
# Builds the Debian package of Brackmere: build-package/brackmere_<version>_<arch>.deb.
# Install it with: sudo apt-get install ./build-package/brackmere_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBRACKMERE_TESTS=OFF -DBRACKMERE_BENCH=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/brackmere_*.deb
(cd build-package && cpack -G DEB >/dev/null)
package=$(ls build-package/brackmere_*.deb)
echo "Built $package"
dpkg-deb --field "$package" Depends
