CLS = \
       QNcfg.class \
       pgreet.class \
       developermenu.class \

all  :$(CLS)

QNcfg.class : QNcfg.java
	@echo Compiling QNcfg.java
	@$(JAVAC) $(CFLAGS) QNcfg.java
pgreet.class : pgreet.java
	@echo Compiling pgreet.java
	@$(JAVAC) $(CFLAGS) pgreet.java
developermenu.class : developermenu.java
	@echo Compiling developermenu.java
	@$(JAVAC) $(CFLAGS) developermenu.java
