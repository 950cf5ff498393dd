class developermenu {}
