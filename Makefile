# The two commands a player or developer needs: make play, make test.
.PHONY: play gra test build web asan bench fuzz setup clean install deb windows

# Playing needs only the compiler, CMake, Ninja and ncurses; everything else needs the test tools.
setup:
	@scripts/setup test

gra:
	@scripts/setup play
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target bramkowiec

# CZYTNIK=1 plays in plain lines for a screen reader.
play: gra
	@cd data && $(if $(filter 1,$(CZYTNIK)),BRAMKOWIEC_CZYTNIK=1 )../build/bramkowiec

build: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default

# The static site in build-web/site (emscripten); any static server can serve it.
web: setup
	@cmake --preset web >/dev/null
	@cmake --build --preset web

# Without emscripten the browser test reports itself skipped.
test: build
	@if command -v emcc >/dev/null 2>&1; then $(MAKE) --no-print-directory web; fi
	@ctest --preset default
	@scripts/testy_windows

# The Windows console game, cross-compiled: build-windows/bramkowiec.exe and the zip a player
# unpacks anywhere, build-windows/bramkowiec-windows.zip.
windows: setup
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target paczka_windows

asan: setup
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target bramkowiec bramkowiec_bench
	@./build/bench/bramkowiec_bench
	@/usr/bin/python3 bench/okno_bench.py build/bramkowiec data
	@if command -v emcc >/dev/null 2>&1; then $(MAKE) --no-print-directory web; fi
	@node bench/web_bench.mjs build-web/site

# Each loader's fuzz target runs FUZZ_SECONDS, its corpus kept in fuzz-out/ and seeded from the
# shipped data file it reads; crashes and hangs (over 10 s on one input) land in fuzz-out/ too.
FUZZ_SECONDS ?= 60
FUZZ_CELE := druzyny:druzyny-1995 gracze:gracze stadion:stadion rynek:rynek sponsorzy:sponsorzy

fuzz: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz --target $(foreach c,$(FUZZ_CELE),fuzz_$(firstword $(subst :, ,$(c))))
	@set -e; for c in $(FUZZ_CELE); do \
		cel=$${c%%:*}; plik=$${c#*:}; mkdir -p fuzz-out/$$cel; \
		cp data/$$plik.txt fuzz-out/$$cel/; \
		build-fuzz/fuzz/fuzz_$$cel fuzz-out/$$cel -dict=fuzz/liczby.dict \
			-max_total_time=$(FUZZ_SECONDS) -timeout=10 -artifact_prefix=fuzz-out/$$cel- \
			-print_final_stats=1 2>fuzz-out/$$cel.log || { tail -40 fuzz-out/$$cel.log; exit 1; }; \
		grep -h stat::number_of_executed_units fuzz-out/$$cel.log | sed "s/^/$$cel: /"; \
	done

# A player installs into ~/.local, root into /usr/local; PREFIX= and DESTDIR= choose otherwise.
PREFIX ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)

install: gra
	@cmake --install build --prefix "$(PREFIX)" --strip

deb: build
	@cpack --config build/CPackConfig.cmake

clean:
	rm -rf build build-asan build-fuzz build-web build-windows fuzz-out
