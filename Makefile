# The two commands: `make run` and `make test`. Everything else is a step of them.
SHELL := /bin/bash
.PHONY: test run native-test fuzz-smoke windows-test bench fuzz clean install uninstall dist windows-programs

test: native-test fuzz-smoke windows-test

native-test:
	@scripts/deps.sh core
	cmake --preset native >/dev/null
	cmake --build --preset native
	ctest --preset native

# A few seconds of the document-reader fuzzer over its seed corpus.
fuzz-smoke:
	@$(MAKE) --no-print-directory fuzz SECONDS=10

# Five minutes of it: `make fuzz SECONDS=300`.
SECONDS ?= 300
fuzz:
	@scripts/deps.sh core
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	scripts/fuzz.sh $(SECONDS)

# The native passes, then the user's path on the largest ledger under Wine.
bench:
	@scripts/deps.sh core bench windows
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	build/bench/bench/tarnwell_bench
	cmake --preset windows-bench >/dev/null
	cmake --build --preset windows-bench --target tarnwell_response
	scripts/response.sh

# The Windows program's tests under Wine, on a private Xvfb display.
windows-test:
	@scripts/deps.sh core windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows
	scripts/windows-test.sh

# tarnwell.exe under Wine: on $DISPLAY, or without one a screenshot in
# build/screenshot.png.
run:
	@scripts/deps.sh core windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows
	scripts/run.sh

# The launcher, the programs, the menu entry, the icon and the .tnw type
# under PREFIX (make install PREFIX=/opt/tarnwell), listed in a manifest
# that make uninstall removes exactly.
PREFIX ?= $(HOME)/.local
install: windows-programs
	scripts/install.sh "$(PREFIX)"

uninstall:
	scripts/uninstall.sh "$(PREFIX)"

# build/dist/tarnwell-VERSION.tar.gz: the two programs, README, a sample
# ledger and their SHA-256 sums.
dist: windows-programs
	scripts/dist.sh build/dist

windows-programs:
	@scripts/deps.sh core windows
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target tarnwell tarnwell-cli

clean:
	rm -rf build
