package com.demo;
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class QNcfg
{
   public static int strcmp(String Left, String Right)
   {
      return QNutil.rtrim(Left).compareTo(QNutil.rtrim(Right));
   }

}

