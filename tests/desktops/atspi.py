#!/usr/bin/python3
"""What a screen reader finds in the running program, through AT-SPI.
atspi.py find NAME | press NAME | role NAME | describe NAME | focused"""
import sys
import pyatspi


def find(node, name, depth=0):
    try:
        # The picture's name ends with what the status bar says.
        if node.name == name or node.name.startswith(name + ': '):
            return node
        for child in node:
            if depth < 12:
                found = find(child, name, depth + 1)
                if found:
                    return found
    except Exception:
        pass
    return None


def focused(node, depth=0):
    try:
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return node
        for child in node:
            if depth < 12:
                found = focused(child, depth + 1)
                if found:
                    return found
    except Exception:
        pass
    return None


command, name = sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None
desktop = pyatspi.Registry.getDesktop(0)
apps = [a for a in desktop if a and a.name == 'Veldor']
if command == 'focused':
    node = next(filter(None, (focused(window) for window in apps[0])), None) if apps else None
    if node is None:
        sys.exit('nothing focused')
    text = node.queryText().getText(0, -1) if node.getRoleName() == 'text' else node.description
    print(node.getRoleName(), '|', node.name, '|', text)
    sys.exit()
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
