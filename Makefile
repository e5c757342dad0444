# The two commands a fresh machine needs:  make demo   and   make test
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
BENCH_BUILD ?= build-bench
JOBS ?= 2
PYTHON ?= python3

.PHONY: all deps configure build test test-sanitize demo bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DLUMO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && ctest --output-on-failure -j$(JOBS)

demo: configure
	@cmake --build $(BUILD) -j$(JOBS) --target demo_deps
	@LUMO_IK_LIBRARY=$(BUILD)/liblumo_ik64.so LUMO_HOSTMODEL_LIBRARY=$(BUILD)/hostmodel/libhostmodel.so \
	  PYTHONPATH=python $(PYTHON) -m lumo.demo

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DLUMO_BENCH=ON -DLUMO_TESTS=OFF >/dev/null
	@cmake --build $(BENCH_BUILD) -j$(JOBS)
	@for b in $(BENCH_BUILD)/bench/*_bench; do [ -x "$$b" ] && "$$b" || exit 1; done

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(BENCH_BUILD)
