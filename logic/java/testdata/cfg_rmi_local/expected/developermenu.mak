CLS = \
       com/acme/app/QNcfg.class \
       com/acme/app/pgreet.class \
       developermenu.class \

all  :$(CLS)

com/acme/app/QNcfg.class : com/acme/app/QNcfg.java
	@echo Compiling com/acme/app/QNcfg.java
	@$(JAVAC) $(CFLAGS) com/acme/app/QNcfg.java
com/acme/app/pgreet.class : com/acme/app/pgreet.java
	@echo Compiling com/acme/app/pgreet.java
	@$(JAVAC) $(CFLAGS) com/acme/app/pgreet.java
developermenu.class : developermenu.java
	@echo Compiling developermenu.java
	@$(JAVAC) $(CFLAGS) developermenu.java
