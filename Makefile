# Two entry points: `make run` converts the bundled example, `make test` builds and runs
# the whole test suite (a strict build, then the same suite under ASan and UBSan, then the
# Windows build's suites and its converter against the Linux one under Wine).
JOBS ?= $(shell nproc)
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WINDOWS_BUILD ?= build-windows

.PHONY: run test build setup bench clean windows test-windows package-windows

setup:
	@scripts/setup.sh

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLOWMERE_WERROR=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-example.sh $(BUILD)/tallowmere

test: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLOWMERE_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALLOWMERE_WERROR=ON \
	  -DTALLOWMERE_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) --no-print-directory test-windows

# The Windows programs, cross-built with mingw-w64 (the console converter tallowmere.com).
windows: setup
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLOWMERE_WERROR=ON \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DTALLOWMERE_LINUX_BUILD=$(abspath $(BUILD))
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Needs the Linux build too: the Windows converter is compared with the Linux program.
test-windows: windows build
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# The Debian package of the Release build, in dist/ (README: Install on Linux).
.PHONY: package
package: build
	@cmake --build $(BUILD) --target package

# What a Windows user installs: the zip to unpack and the per-user installer (MSI), each with
# both programs, a README.txt and the example export. SIGN_CERT=cert.pem SIGN_KEY=key.pem
# on the command line signs the programs and the installer.
VERSION := $(shell grep -m1 -o 'Tallowmere VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)
package-windows: windows
	scripts/package-windows.sh $(WINDOWS_BUILD) $(VERSION)

bench: build
	@echo "See bench/README.md"

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD) dist
