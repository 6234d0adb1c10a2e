# The two commands a player or developer needs: make play, make test.
.PHONY: play test build asan bench fuzz setup clean

setup:
	@scripts/setup

build: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default

play: build
	@cd data && ../build/bramkowiec

test: build
	@ctest --preset default

asan: setup
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target bramkowiec bramkowiec_bench
	@./build/bench/bramkowiec_bench
	@/usr/bin/python3 bench/okno_bench.py build/bramkowiec data

clean:
	rm -rf build build-asan
