#!/usr/bin/python3
"""What a screen reader finds in the running program, through AT-SPI.
atspi.py find NAME | press NAME | role NAME | describe NAME"""
import sys
import pyatspi


def find(node, name, depth=0):
    try:
        if node.name == name:
            return node
        for child in node:
            if depth < 12:
                found = find(child, name, depth + 1)
                if found:
                    return found
    except Exception:
        pass
    return None


command, name = sys.argv[1], sys.argv[2]
desktop = pyatspi.Registry.getDesktop(0)
apps = [a for a in desktop if a and a.name == 'Veldor']
node = find(apps[0], name) if apps else None
if node is None:
    sys.exit('%s not found' % name)
if command == 'press':
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index('Press') if 'Press' in names else 0)
elif command == 'role':
    print(node.getRoleName())
elif command == 'describe':
    print(node.getRoleName(), '|', node.name, '|', node.description)
