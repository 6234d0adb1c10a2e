# The two commands a player or developer needs: make play, make test. Every target works alone
# from a clean clone: it installs what it needs (scripts/setup) and builds what it uses.
.PHONY: play gra test build web asan bench fuzz setup clean install deb windows po

# The native build folder; the install and package tests point it at an empty one.
BUDOWA ?= build
# Installs the packages of a scripts/setup mode, configures the native build and builds targets.
zbuduj = scripts/setup $(1) && cmake --preset default -B $(BUDOWA) >/dev/null && \
	cmake --build $(BUDOWA) $(if $(2),--target $(2))

setup:
	@scripts/setup test

gra:
	@$(call zbuduj,play,bramkowiec)

# CZYTNIK=1 plays in plain lines for a screen reader.
# Ctrl-C is the way out of the game: the recipe's shell waits the game's end out and reports no
# failure of its own, so make adds no error line and, hit by the same Ctrl-C, ends as the game.
play: gra
	@trap : INT TERM HUP; cd data && $(if $(filter 1,$(CZYTNIK)),BRAMKOWIEC_CZYTNIK=1 ) \
		"$(abspath $(BUDOWA))/bramkowiec"; s=$$?; [ $$s -gt 128 ] || exit $$s

build:
	@$(call zbuduj,build)

# The static site in build-web/site (emscripten); any static server can serve it.
web: setup
	@cmake --preset web >/dev/null
	@cmake --build --preset web

# Without emscripten the browser test reports itself skipped. The benchmark and the fuzz
# targets are built and each target fuzzed briefly from the shipped data, so neither can rot.
test:
	@$(call zbuduj,test)
	@cmake --build $(BUDOWA) --target bramkowiec_bench
	@if command -v emcc >/dev/null 2>&1; then $(MAKE) --no-print-directory web; fi
	@ctest --preset default
	@rm -rf build-fuzz/krotko
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=3 FUZZ_OUT=build-fuzz/krotko
	@scripts/testy_windows

# The message catalogues: po/bramkowiec.pot made afresh from the sources, every po/*.po merged
# with it.
po: setup
	@scripts/katalog --popraw

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

# Each loader's fuzz target runs FUZZ_SECONDS, its corpus kept in FUZZ_OUT and seeded from the
# shipped data file it reads; crashes and hangs (over 10 s on one input) land in FUZZ_OUT too.
FUZZ_SECONDS ?= 60
FUZZ_OUT ?= fuzz-out
FUZZ_CELE := druzyny:druzyny-1995 gracze:gracze stadion:stadion rynek:rynek sponsorzy:sponsorzy

fuzz: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz --target $(foreach c,$(FUZZ_CELE),fuzz_$(firstword $(subst :, ,$(c))))
	@set -e; for c in $(FUZZ_CELE); do \
		cel=$${c%%:*}; plik=$${c#*:}; mkdir -p $(FUZZ_OUT)/$$cel; \
		cp data/$$plik.txt $(FUZZ_OUT)/$$cel/; \
		build-fuzz/fuzz/fuzz_$$cel $(FUZZ_OUT)/$$cel -dict=fuzz/liczby.dict \
			-max_total_time=$(FUZZ_SECONDS) -timeout=10 -artifact_prefix=$(FUZZ_OUT)/$$cel- \
			-print_final_stats=1 2>$(FUZZ_OUT)/$$cel.log || { tail -40 $(FUZZ_OUT)/$$cel.log; exit 1; }; \
		grep -h stat::number_of_executed_units $(FUZZ_OUT)/$$cel.log | sed "s/^/$$cel: /"; \
	done

# A player installs into ~/.local, root into /usr/local; PREFIX= and DESTDIR= choose otherwise.
PREFIX ?= $(if $(filter 0,$(shell id -u)),/usr/local,$(HOME)/.local)

# Both build what they ship (the game, its manual page and changelog) and nothing else; the
# package needs only dpkg-dev and file besides what playing needs.
install:
	@$(call zbuduj,play,bramkowiec podrecznik)
	@cmake --install $(BUDOWA) --prefix "$(PREFIX)" --strip

deb:
	@$(call zbuduj,deb,bramkowiec podrecznik)
	@cpack --config $(BUDOWA)/CPackConfig.cmake

clean:
	rm -rf build build-asan build-fuzz build-web build-windows fuzz-out
