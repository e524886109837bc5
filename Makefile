BUILD ?= build
JOBS ?= $(shell nproc)
# WERROR=ON turns the project's warnings into errors (CI does).
WERROR ?= OFF

.PHONY: deps build run test test-windows package-windows test-sanitize fuzz bench package clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORA_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: deps build
	@scripts/run.sh $(BUILD)

test: deps build
	@scripts/test.sh $(BUILD)

# The Windows code cross-compiled with MinGW-w64 and its tests run headless under wine64.
test-windows:
	@scripts/test-windows.sh $(BUILD)

# The Windows installer and portable zip from the 32-bit program (and the 64-bit twin's installer
# that the tests run), in $(BUILD); FFMPEG_EXE=<ffmpeg.exe> ships that file beside velora.exe.
package-windows:
	@scripts/package-windows.sh $(if $(FFMPEG_EXE),--ffmpeg $(FFMPEG_EXE)) $(BUILD)

# The suite built with AddressSanitizer and UndefinedBehaviorSanitizer in $(BUILD)/sanitize, then run.
test-sanitize: deps
	@VELORA_WERROR=$(WERROR) scripts/test-sanitize.sh $(BUILD)/sanitize

# The libFuzzer targets built with clang in $(BUILD)/fuzz, each run for FUZZ_SECONDS (default 20).
fuzz: deps
	@VELORA_WERROR=$(WERROR) scripts/fuzz.sh $(BUILD)/fuzz

# The Debian package (CPack) in $(BUILD), checked with lintian and started from an extracted copy.
package: deps build
	@scripts/check-package.sh $(BUILD)

bench: deps build
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
