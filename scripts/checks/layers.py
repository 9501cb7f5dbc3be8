#!/usr/bin/env python3
"""Checks every #include of src/ against the layer order of the build.

A layer (src/<name>/) may include its own headers and those of the layers it links,
directly or through them, as CMakeLists.txt (orvan_layer ... DEPS), src/gui and src/app
declare. Prints each include that reaches a layer it does not link; exit status 1 then.
"""
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parents[2]


def read_links():
    links = {}
    text = (root / 'CMakeLists.txt').read_text()
    for name, deps in re.findall(r'orvan_layer\((\w+)\s+DEPS([^)]*)\)', text):
        links[name] = re.findall(r'orvan_(\w+)', deps)
    match = re.search(r'add_library\(orvan_sysmaintain INTERFACE\)\s*'
                      r'target_link_libraries\(orvan_sysmaintain INTERFACE([^)]*)\)', text)
    links['sysmaintain'] = re.findall(r'orvan_(\w+)', match.group(1))
    for target in ('gui', 'app'):
        cmake = (root / 'src' / target / 'CMakeLists.txt').read_text()
        # The folder's libraries (orvan_app, orvan_app_common, ...) together.
        found = re.findall(r'target_link_libraries\(orvan_%s(?:_\w+)? PUBLIC([^)]*)\)' % target,
                           cmake)
        links[target] = [dep for deps in found for dep in re.findall(r'orvan_(\w+)', deps)
                         if dep != target and not dep.startswith(target + '_')]
    return links


def reachable(links, layer, seen=None):
    seen = set() if seen is None else seen
    for dep in links.get(layer, []):
        if dep not in seen:
            seen.add(dep)
            reachable(links, dep, seen)
    return seen


def main():
    links = read_links()
    layers = {path.name for path in (root / 'src').iterdir() if path.is_dir()}
    faults = []
    for source in sorted((root / 'src').rglob('*')):
        if source.suffix not in ('.h', '.cpp'):
            continue
        layer = source.relative_to(root / 'src').parts[0]
        allowed = reachable(links, layer) | {layer}
        for number, line in enumerate(source.read_text().splitlines(), 1):
            match = re.match(r'\s*#\s*include\s+"(\w+)/', line)
            if match and match.group(1) in layers and match.group(1) not in allowed:
                faults.append('%s:%d: %s does not link %s: %s' % (
                    source.relative_to(root), number, layer, match.group(1), line.strip()))
    for fault in faults:
        print(fault)
    if faults:
        print('layers: %d includes reach above their layer' % len(faults), file=sys.stderr)
        return 1
    print('layers: every include stays within its layer\'s links')
    return 0


sys.exit(main())
