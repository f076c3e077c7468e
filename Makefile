# make run   - install what is missing, build, start VelmarCube
# make test  - install what is missing, build, run every test (under Xvfb when there is no display)
# make test-sanitize - the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# make soak - 10^5 random actions and 200 closes on the real window, with the sanitizers (SEED=n to vary)
# make soak-memory - the same 10^5 actions in one window on the plain build, for its resident memory (no closes)
# make package - the Debian package, in build/release; make test-package checks, installs, runs and removes it (as root)
# make format - format every C++ file of the tree as .clang-format says (scripts/check-format.sh checks it)
# make bench - the benchmarks in bench/: Google Benchmark figures, then the whole program against a bare view,
#              composited as a widget and as a native OpenGL window
.PHONY: run test test-sanitize soak soak-memory package test-package build build-asan bench deps clean format

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY is unset); run it from a desktop session, or use 'make test' to test headless."; \
	  exit 1; \
	fi
	@./build/dev/app/VelmarCube

test: build
	@bash scripts/run-tests.sh dev

test-sanitize: build-asan
	@bash scripts/run-tests.sh asan

soak: build-asan
	@env ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0:use_tls=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" ./build/asan/tests/velmar_soak --actions 100000 --closes 200 --seed $${SEED:-1}

# Resident memory is measured without the sanitizers: theirs grows with the run whatever the program holds.
# All 10^5 actions play in one window, as a user's do, read every 2500 actions at the window's first size:
# each fresh window would leave Qt's pixmap cache some 42 KiB of picture names it never gives back, and the
# heap pages they hold (see docs/performance.md).
soak-memory: build
	@dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" ./build/dev/tests/velmar_soak --actions 100000 --closes 0 --per-window 100000 --report-every 2500 --seed $${SEED:-1}

package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@cd build/release && cpack -G DEB

test-package: package
	@bash scripts/test-package.sh build/release/velmarcube_*.deb

bench: build
	@xvfb-run -a -s "-screen 0 1280x1024x24" sh -c './build/dev/bench/velmar_bench && ./build/dev/bench/velmar_window_bench && ./build/dev/bench/velmar_solver_bench'
	@bash bench/measure.sh
	@FLOOR_ARGS=--native bash bench/measure.sh

format:
	@git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format-14 -i

clean:
	rm -rf build
